#include "drying/IPdfSavedListener.h"
#include "drying/PDFSetupWidgetLess.h"
#include "drying/ReportEngine.h"
#include "drying/ReportPreviewDialog.h"
#include "drying/ReportTemplate.h"
#include "resources/Resources.h"

#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PdfFileReportPresenter.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScopedTestSettings.h"

#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QStandardItemModel>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace Common::PDF;

namespace {

const QString schema = QStringLiteral(":/schemas/reportSchemaDryer.lrxml");

// A run table whose header user values name the fields, as the run model's do.
void fillRun(QStandardItemModel& model, int rows)
{
    model.setColumnCount(3);
    const char* fields[] = {"Time", "Humidity", "Mass"};
    for (int c = 0; c < 3; ++c)
        model.setHeaderData(c, Qt::Horizontal, fields[c], Qt::UserRole);
    for (int r = 0; r < rows; ++r) {
        model.appendRow({new QStandardItem(QStringLiteral("00:%1:%2")
                                               .arg(r / 60, 2, 10, QChar('0'))
                                               .arg(r % 60, 2, 10, QChar('0'))),
                         new QStandardItem(QString::number(r * 0.25, 'f', 2)),
                         new QStandardItem(QStringLiteral("R%1M").arg(r))});
    }
}

QByteArray plotPicture()
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setViewBox(QRect(0, 0, 400, 240));
    QPainter painter(&generator);
    painter.drawRect(0, 0, 399, 239);
    painter.drawLine(10, 230, 390, 20);
    painter.drawText(20, 30, "PLOTMARK");
    painter.end();
    return svg.data();
}

struct SavedPaths : IPdfSavedListener
{
    void pdfSaved(const QString& path) override { paths.append(path); }
    QStringList paths;
};

void columnTitles(PDFSetupWidgetLess& report)
{
    report.addVariable("HeaderTime", "Time [HH:mm:ss]");
    report.addVariable("Mass", "Mass [g]");
    report.addVariable("Humidity", "Dry mass [%]");
}

} // namespace

class TestReportLayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        QVERIFY(m_dir.isValid());
    }

    void templateLoadsAndBadOnesAreRefused()
    {
        ReportTemplate layout;
        QVERIFY2(layout.load(schema), qPrintable(layout.errorString()));
        QCOMPARE(layout.pageSize.id(), QPageSize::A4);
        QVERIFY(!layout.body.isEmpty());

        QVERIFY(!layout.load(m_dir.filePath("missing.lrxml")));
        const QString broken = m_dir.filePath("broken.lrxml");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<report><body><marquee/></body></report>");
        file.close();
        QVERIFY(!layout.load(broken));
        QVERIFY(layout.errorString().contains("marquee"));
    }

    // A template that does not load shows nothing and says so.
    void missingTemplateIsReported()
    {
        PdfFileReportPresenter presenter(m_dir.filePath("none.pdf"));
        PDFSetupWidgetLess report;
        report.setSchema(m_dir.filePath("missing.lrxml"));
        QVERIFY(!report.generatePdf());
        QVERIFY(!report.errorString().isEmpty());
        QCOMPARE(presenter.shown(), 0);
    }

    void longTableRepeatsItsHeaderOnEveryPage()
    {
        const QString pdf = m_dir.filePath("long.pdf");
        PdfFileReportPresenter presenter(pdf);
        QStandardItemModel run;
        fillRun(run, 300);
        const QByteArray picture = plotPicture();
        PDFSetupWidgetLess report;
        report.setSchema(schema);
        columnTitles(report);
        report.addValue("Title", "Title", "Run <b>42</b> & more");
        report.addValue("Author", "Author", "Anna\nKowalska");
        report.addModel("Data", "Data", &run);
        report.addImage("Chart", "Plot", &picture);
        // Readings that arrive while the preview is open stay out of it.
        presenter.setWhileOpen([&run] { run.appendRow(new QStandardItem("LATE")); });
        SavedPaths saved;
        report.setPdfSavedListener(&saved);
        QVERIFY(report.generatePdf());
        QVERIFY(presenter.printed());
        QCOMPARE(saved.paths, QStringList{pdf});

        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Run <b>42</b> & more"), qPrintable(text.left(400)));
        QVERIFY(text.contains("Anna"));
        QVERIFY(text.contains("Kowalska"));
        QVERIFY(text.contains("R0M"));
        QVERIFY(text.contains("R299M"));
        QVERIFY(!text.contains("LATE"));
        const int pages = text.count(QChar('\f'));
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QCOMPARE(text.count("Dry mass [%]"), pages);
        QVERIFY(text.contains(QString("Page %1 of %1").arg(pages)));
    }

    void leftOutSourcesPrintNothing()
    {
        const QString pdf = m_dir.filePath("bare.pdf");
        PdfFileReportPresenter presenter(pdf);
        PDFSetupWidgetLess report;
        report.setSchema(schema);
        columnTitles(report);
        report.addValue("Product", "Product", "Oats");
        report.addModel("Data", "Data", nullptr);
        report.addImage("Chart", "Plot", nullptr);
        QVERIFY(report.generatePdf());
        const QString text = pdfText(pdf);
        QVERIFY(text.contains("Oats"));
        QVERIFY(!text.contains("Dry mass"));
        QVERIFY(!text.contains("Plot"));
        QCOMPARE(text.count(QChar('\f')), 1);
    }

    // A word wider than the page (a batch code) is broken, not cut off at
    // the page's edge.
    void longWordsStayInsideTheMargins()
    {
        const QString pdf = m_dir.filePath("word.pdf");
        PdfFileReportPresenter presenter(pdf);
        PDFSetupWidgetLess report;
        report.setSchema(schema);
        const QString code =
            QStringLiteral("LOT-") + QString(160, QChar('7')) + QStringLiteral("-END");
        report.addValue("Product", "Product", code);
        report.addValue("Introduction", "Introduction", code);
        QVERIFY(report.generatePdf());

        QProcess bbox;
        bbox.start("pdftotext", {"-bbox", pdf, "-"});
        QVERIFY(bbox.waitForFinished(60000));
        const QString html = QString::fromUtf8(bbox.readAllStandardOutput());
        const QRegularExpression words(
            "<word xMin=\"[0-9.]+\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)<");
        const double rightMargin = 595.0 - 15.0 / 25.4 * 72.0;
        QString text;
        for (auto it = words.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch word = it.next();
            QVERIFY2(word.captured(1).toDouble() <= rightMargin + 0.5,
                     qPrintable(word.captured(2)));
            text += word.captured(2);
        }
        QCOMPARE(text.count(QStringLiteral("-END")), 2);
    }

    void unwritableFileIsAFailure()
    {
        ReportEngine engine;
        QVERIFY(engine.loadFromFile(schema));
        QSignalSpy printed(&engine, &ReportEngine::printedToPDF);
        QVERIFY(!engine.printToPdf(m_dir.filePath("no/such/dir/report.pdf")));
        QCOMPARE(printed.count(), 0);
        QVERIFY(engine.printToPdf(m_dir.filePath("ok.pdf")));
        QCOMPARE(printed.count(), 1);

        // A disk that fills up: an older report stays byte for byte, a new
        // name gets no file.
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        const QByteArray old = fileContents(m_dir.filePath("ok.pdf"));
        QVERIFY(old.size() > 4096);
        QVERIFY(writeFileContents(path, old));
        {
            FileSizeLimit fullDisk(4096);
            QVERIFY(!engine.printToPdf(path));
            QVERIFY(!engine.printToPdf(dir.filePath("new.pdf")));
        }
        QCOMPARE(printed.count(), 1);
        QCOMPARE(fileContents(path), old);
        QCOMPARE(filesIn(dir.path()), QStringList("report.pdf"));
    }

    void previewShowsPagesAndPrintsToPdf()
    {
        ScopedTestSettings settings;
        FakeFileDialogPresenter dialogs;
        QStandardItemModel run;
        fillRun(run, 120);
        ReportEngine engine;
        QVERIFY(engine.loadFromFile(schema));
        engine.dataManager()->setReportVariable("Title", "Preview run");
        engine.dataManager()->setReportVariable("VARIABLE_NAME_Data", "Data");
        engine.dataManager()->setReportVariable("VARIABLE_NAME_HeaderTime", "Time [HH:mm:ss]");
        engine.dataManager()->addModel("Data", &run);
        ReportPreviewDialog dialog(&engine);
        dialog.show();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        QTRY_VERIFY(preview->pageCount() >= 2);
        if (qEnvironmentVariableIsSet("SORVANA_PREVIEW_SHOT"))
            dialog.grab().save(qEnvironmentVariable("SORVANA_PREVIEW_SHOT"));

        QSignalSpy printed(&engine, &ReportEngine::printedToPDF);
        dialogs.queueAnswer(m_dir.filePath("chosen"));
        QAction* print = nullptr;
        for (QAction* action : dialog.findChildren<QAction*>()) {
            if (action->text() == QLatin1String("Print to PDF"))
                print = action;
        }
        QVERIFY(print);
        print->trigger();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.first().first().toString(), m_dir.filePath("chosen.pdf"));
        QVERIFY(pdfText(m_dir.filePath("chosen.pdf")).contains("Preview run"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestReportLayer)
#include "tst_reportlayer.moc"
