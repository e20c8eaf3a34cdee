#include "drying/Context.h"
#include "drying/ContextHandler.h"
#include "drying/ContextSetup.h"
#include "drying/ContextValue.h"
#include "drying/Item.h"
#include "drying/ItemGrid.h"
#include "drying/PdfContextTranslator.h"
#include "drying/PdfTranslatorInfo.h"
#include "drying/TemplatedCheckedValuesHandler.h"
#include "drying/ValueIntConverter.h"
#include "ui/SettingWidget.h"
#include "ui/WidgetWrapper.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace KD::Drying::RunContext;
using Common::RunContext::PdfContextTranslator;
using Common::UI::ContextSetup;

namespace {

using CheckedHandler = Common::RunContext::TemplatedCheckedValuesHandler<
    ContextValue, Common::RunContext::ValueIntConverter<ContextValue>>;

QLineEdit* lineEdit(Common::Widgets::SettingWidget* row)
{
    return row ? qobject_cast<QLineEdit*>(row->wrapper()->widget()) : nullptr;
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestContextSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rowsFollowReportOrder();
    void rowsShowTheContext();
    void confirmWritesEditsAndChecks();
    void closingWithoutConfirmChangesNothing();
    void valueDialogEditsARow();
    void runSetupReportsConfirm();
    void itemCreatorColumns();

private:
    Context m_context;
    QSet<int> m_checked;
    ContextHandler m_handler{&m_context};
    CheckedHandler m_checkedHandler{&m_checked};
    PdfTranslatorInfo m_info;
};

void TestContextSetup::init()
{
    m_context = Context();
    m_context.author = QStringLiteral("<b>Ann</b>");
    m_context.product = QStringLiteral("Flour\ntype 650");
    m_context.date = QDate(2024, 3, 5);
    m_context.time = QTime(7, 5, 9);
    m_context.samples = 12;
    m_context.initialMass = 10.125;
    m_context.formula = 2;
    m_context.start = QDateTime(QDate(2024, 3, 5), QTime(8, 0, 0));
    m_checked = {Author, Plot};
}

void TestContextSetup::rowsFollowReportOrder()
{
    PdfContextTranslator translator(&m_checkedHandler, &m_handler, &m_info);
    ContextSetup dialog;
    dialog.setTranslator(&translator);

    auto* grid = dialog.findChild<QGridLayout*>(QStringLiteral("settingsLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 18);
    QStringList labels;
    for (int row = 0; row < grid->rowCount(); ++row)
        labels << qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget())->text();
    QCOMPARE(labels,
             QStringList({"Parameter", "Author", "Date", "Time", "Title", "Introduction", "Summary",
                          "Header", "Footer", "Product", "Data", "Plot", "Samples count",
                          "Initial mass", "Final mass", "Start time", "End time", "Formula"}));
    QCOMPARE(qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->text(),
             QStringLiteral("PDF"));
    QVERIFY(qobject_cast<QLabel*>(grid->itemAtPosition(0, 2)->widget())->font().bold());
}

void TestContextSetup::rowsShowTheContext()
{
    PdfContextTranslator translator(&m_checkedHandler, &m_handler, &m_info);
    ContextSetup dialog;
    dialog.setTranslator(&translator);

    QCOMPARE(lineEdit(translator.editor(Author))->text(), QStringLiteral("<b>Ann</b>"));
    QCOMPARE(translator.editor(Date)->value(), QVariant(QDate(2024, 3, 5)));
    QCOMPARE(translator.editor(Time)->value(), QVariant(QTime(7, 5, 9)));
    QCOMPARE(lineEdit(translator.editor(SamplesCount))->text(), QStringLiteral("12"));
    QCOMPARE(lineEdit(translator.editor(InitialMass))->text(), QStringLiteral("10.125"));
    QCOMPARE(lineEdit(translator.editor(Formula))->text(), QStringLiteral("(mn/m0)"));
    QLineEdit* start = lineEdit(translator.editor(StartTime));
    QCOMPARE(start->text(), QStringLiteral("08:00:00 05-03-2024"));
    QVERIFY(start->minimumWidth()
            > start->fontMetrics().horizontalAdvance(start->text())); // shown whole
    QVERIFY(translator.editor(Author)->isEnabled());
    QVERIFY(!translator.editor(Formula)->isEnabled());

    // The switches: a disabled, empty line and a working check box.
    for (int id : {int(Plot), int(Data)}) {
        QLineEdit* edit = lineEdit(translator.editor(id));
        QVERIFY(edit);
        QVERIFY(!edit->isEnabled());
        QVERIFY(edit->text().isEmpty());
    }
    QVERIFY(translator.checkBox(Plot)->isChecked());
    QVERIFY(!translator.checkBox(Data)->isChecked());
    QVERIFY(translator.checkBox(Author)->isChecked());
    QVERIFY(!translator.checkBox(Title)->isChecked());
}

void TestContextSetup::confirmWritesEditsAndChecks()
{
    PdfContextTranslator translator(&m_checkedHandler, &m_handler, &m_info);
    ContextSetup dialog;
    dialog.setTranslator(&translator);

    lineEdit(translator.editor(Title))->setText(QStringLiteral("Wheat & rye"));
    qobject_cast<QDateEdit*>(translator.editor(Date)->wrapper()->widget())
        ->setDate(QDate(2025, 1, 2));
    // A read-only row holds text, which the typed fields refuse.
    lineEdit(translator.editor(SamplesCount))->setText(QStringLiteral("99"));
    translator.checkBox(Plot)->setChecked(false);
    translator.checkBox(Data)->setChecked(true);
    translator.checkBox(EndTime)->setChecked(true);

    QTest::mouseClick(button(&dialog, "buttonSave"), Qt::LeftButton);
    QVERIFY(dialog.wasSaved());
    QCOMPARE(m_context.title, QStringLiteral("Wheat & rye"));
    QCOMPARE(m_context.date, QDate(2025, 1, 2));
    QCOMPARE(m_context.author, QStringLiteral("<b>Ann</b>"));
    QCOMPARE(m_context.product, QStringLiteral("Flour\ntype 650")); // the line break survives
    QCOMPARE(m_context.samples, 12u);
    QCOMPARE(m_context.initialMass, 10.125);
    QCOMPARE(m_context.formula, 2);
    QCOMPARE(m_checked, QSet<int>({Author, Data, EndTime}));
}

void TestContextSetup::closingWithoutConfirmChangesNothing()
{
    const Context before = m_context;
    const QSet<int> checkedBefore = m_checked;
    for (const char* how : {"cancel", "close"}) {
        PdfContextTranslator translator(&m_checkedHandler, &m_handler, &m_info);
        ContextSetup dialog;
        dialog.setTranslator(&translator);
        dialog.show();
        lineEdit(translator.editor(Author))->setText(QStringLiteral("changed"));
        translator.checkBox(Title)->setChecked(true);
        if (qstrcmp(how, "cancel") == 0)
            QTest::mouseClick(button(&dialog, "buttonCancel"), Qt::LeftButton);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.wasSaved());
    }
    QCOMPARE(m_context, before);
    QCOMPARE(m_checked, checkedBefore);
}

void TestContextSetup::valueDialogEditsARow()
{
    PdfContextTranslator translator(&m_checkedHandler, &m_handler, &m_info);
    ContextSetup dialog;
    dialog.setTranslator(&translator);
    dialog.show();
    Common::Widgets::SettingWidget* summary = translator.editor(Summary);
    QVERIFY(summary->editButton()->isVisible());
    QVERIFY(!translator.editor(Formula)->editButton()->isVisible());

    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        modal->findChild<QTextEdit*>()->setPlainText(QStringLiteral("First line\n<i>second</i>"));
        button(modal, "confirmButton")->click();
    });
    summary->editButton()->click();
    QTest::mouseClick(button(&dialog, "buttonSave"), Qt::LeftButton);
    QCOMPARE(m_context.summary, QStringLiteral("First line\n<i>second</i>"));
}

void TestContextSetup::runSetupReportsConfirm()
{
    for (bool confirm : {false, true}) {
        QTimer::singleShot(0, [confirm] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QVERIFY(!(modal->windowFlags() & Qt::WindowContextHelpButtonHint));
            auto* author = modal->findChildren<QLineEdit*>().value(0);
            author->setText(QStringLiteral("Bob"));
            button(modal, confirm ? "buttonSave" : "buttonCancel")->click();
        });
        QCOMPARE(ContextSetup::runSetup(&m_checkedHandler, &m_handler, &m_info), confirm);
        QCOMPARE(m_context.author, confirm ? QStringLiteral("Bob") : QStringLiteral("<b>Ann</b>"));
    }
}

void TestContextSetup::itemCreatorColumns()
{
    Common::Widgets::CheckableItemCreator creator(2);
    creator.setCheckable(1, false);
    creator.setCheckable(5, false); // outside: ignored
    QCOMPARE(creator.labelColumn(), 2);
    QCOMPARE(creator.valueColumn(), 3);
    QScopedPointer<Common::Widgets::Item> item(creator.create(3));
    QCOMPARE(item->count(), 4);
    QVERIFY(qobject_cast<QCheckBox*>(item->cell(0)));
    QVERIFY(!item->cell(1));
    QVERIFY(!item->cell(7));
    auto* row = qobject_cast<Common::Widgets::SettingWidget*>(item->cell(3));
    QVERIFY(row && !row->wrapper()->widget()); // kind 3: no editor
    QVERIFY(!row->editButton()->isVisibleTo(row));
    for (int column = 0; column < item->count(); ++column)
        delete item->cell(column);
}

QTEST_MAIN(TestContextSetup)
#include "tst_contextsetup.moc"
