#include "drying/PlotSvgGetter.h"
#include "drying/TdPdfGenerator.h"
#include "resources/Resources.h"
#include "ui/PlotWrapper.h"
#include "ui/ScatterPlot.h"

#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/PdfFileReportPresenter.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScopedTestSettings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace KD::Drying::RunContext;

namespace {

struct Checked : Common::IPdfSettingsGetter<ContextValue>
{
    QSet<int> checkedValues() const override { return ids; }
    QSet<int> ids;
};

} // namespace

class TestPdfReport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_f.reset(new DryingRunFixture);
        m_plot.reset(new Common::PlotWrapper(m_f->run.plotData(), true));
        m_svg.reset(new Common::PlotSvgGetter(m_plot.data()));
        connect(&m_f->run, &KD::Drying::HumidityData::changed, m_plot.data(),
                &Common::PlotWrapper::onDataChanged);
        m_generator.reset(new KD::Drying::TdPdfGenerator(&m_f->contextGetter, &m_checked, &m_f->run,
                                                         m_svg.data()));
        m_boxes.clear();
    }

    void initTestCase() { initSorvanaResources(); }

    void missingTemplateIsReported()
    {
        PdfFileReportPresenter presenter(m_dir.filePath("none.pdf"));
        m_checked.ids = {Author};
        m_generator->setTemplatePath(m_dir.filePath("missing.lrxml"));
        QVERIFY(!m_generator->generatePdf());
        QCOMPARE(presenter.shown(), 0);
        QCOMPARE(m_boxes.shown().size(), 1);
        QCOMPARE(m_boxes.last().text, QString("Could not load the report template!"));
    }

    void formulaTwoRunReport()
    {
        DryingRunFixture& f = *m_f;
        KD::Drying::UserData user;
        user.author = "Anna <i>Nowak</i>";
        user.title = "Moisture of oats";
        user.product = "Oats & barley";
        user.summary = "UNCHECKED SUMMARY";
        user.date = QDate(2026, 12, 7);
        user.time = QTime(9, 30, 15);
        f.context.setUserData(user);
        f.run.setCalcFormula(2);
        f.info.setStartTime(QDateTime(QDate(2026, 12, 7), QTime(8, 0, 0)));
        for (int i = 0; i < 120; ++i)
            f.receiver.receive(i * 5000, 10.0 - i * 0.01);
        f.receiver.finish();
        m_checked.ids = {Author,       Title,       Product,   Date,    Time,      Plot,   Data,
                         SamplesCount, InitialMass, FinalMass, Formula, StartTime, EndTime};

        const QString pdf = m_dir.filePath("report.pdf");
        PdfFileReportPresenter presenter(pdf);
        presenter.setWhileOpen([&f] { f.receiver.receive(900000, 1.234); });
        QVERIFY(m_generator->generatePdf());
        QVERIFY(presenter.printed());
        if (qEnvironmentVariableIsSet("SORVANA_REPORT_OUT"))
            QFile::copy(pdf, qEnvironmentVariable("SORVANA_REPORT_OUT"));

        const QString text = pdfText(pdf);
        for (const char* expected :
             {"Anna <i>Nowak</i>", "Moisture of oats", "Oats & barley", "07-12-2026", "09:30:15",
              "Dry mass [%]", "Time [HH:mm:ss]", "Mass [g]", "(mn/m0)", "08:00:00 07-12-2026",
              "08:09:55 07-12-2026", "Samples count", "120", "Details", "Plot", "00:09:55", "8.810",
              "88.10"})
            QVERIFY2(text.contains(expected), expected);
        QVERIFY(!text.contains("UNCHECKED"));
        QVERIFY(!text.contains("1.234"));
        QVERIFY(!text.contains("Humidity [%]"));
        QVERIFY(pdfFirstPageToPng(pdf, m_dir.filePath("page1")));
        QVERIFY(QImage(m_dir.filePath("page1.png")).width() > 0);
    }

    void uncheckedTableAndPlotAreLeftOut()
    {
        m_f->addRecords({{0, 10.0}, {5000, 9.0}});
        m_checked.ids = {Product};
        const QString pdf = m_dir.filePath("small.pdf");
        PdfFileReportPresenter presenter(pdf);
        QVERIFY(m_generator->generatePdf());
        const QString text = pdfText(pdf);
        QVERIFY(text.contains("Product"));
        QVERIFY(!text.contains("Humidity [%]"));
        QVERIFY(!text.contains("Details"));
        QVERIFY(!text.contains("00:00:05"));
    }

private:
    QTemporaryDir m_dir;
    ScopedTestSettings m_settings;
    FakeMessageBoxPresenter m_boxes;
    Checked m_checked;
    QScopedPointer<DryingRunFixture> m_f;
    QScopedPointer<Common::PlotWrapper> m_plot;
    QScopedPointer<Common::PlotSvgGetter> m_svg;
    QScopedPointer<KD::Drying::TdPdfGenerator> m_generator;
};

QTEST_MAIN(TestPdfReport)
#include "tst_pdfreport.moc"
