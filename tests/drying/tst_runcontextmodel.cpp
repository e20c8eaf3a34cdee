#include "drying/ContextHandler.h"
#include "drying/ContextInfo.h"
#include "drying/ContextValue.h"
#include "drying/DefaultValProvider.h"
#include "drying/PdfTranslatorInfo.h"
#include "drying/TemplatedCheckedValuesHandler.h"

#include <QtTest>

using namespace KD::Drying::RunContext;

class TestRunContextModel : public QObject
{
    Q_OBJECT

private slots:
    void textFormsOfRunValues();
    void stringsRoundTripThroughTextForms();
    void setStringRefusesWhatDoesNotParse();
    void setVariantTakesOnlyTheFieldsType();
    void switchesAndUnknownIdsCarryNothing();
    void userDataIsTheFirstNineFields();
    void tablesAgreeWithEachOther();
    void checkedSetAndDefaults();
};

void TestRunContextModel::textFormsOfRunValues()
{
    Context context;
    ContextHandler handler(&context);
    QCOMPARE(handler.toString(StartTime), QString()); // null start
    QCOMPARE(handler.toString(InitialMass), QStringLiteral("0"));
    QCOMPARE(handler.toString(Date), QString());

    context.initialMass = 12.3456789;
    context.finalMass = 1e-7;
    context.samples = 86400;
    context.formula = 2;
    context.start = QDateTime(QDate(2024, 3, 5), QTime(23, 59, 58));
    context.date = QDate(2024, 3, 5);
    context.time = QTime(7, 5, 9);
    QCOMPARE(handler.toString(InitialMass), QStringLiteral("12.3457"));
    QCOMPARE(handler.toString(FinalMass), QStringLiteral("1e-07"));
    QCOMPARE(handler.toString(SamplesCount), QStringLiteral("86400"));
    QCOMPARE(handler.toString(Formula), QStringLiteral("(mn/m0)"));
    QCOMPARE(handler.toString(StartTime), QStringLiteral("23:59:58 05-03-2024"));
    QCOMPARE(handler.toString(Date), QStringLiteral("05-03-2024"));
    QCOMPARE(handler.toString(Time), QStringLiteral("07:05:09"));

    QCOMPARE(handler.toVariant(SamplesCount).userType(), int(QMetaType::UInt));
    QCOMPARE(handler.toVariant(InitialMass).userType(), int(QMetaType::Double));
    QCOMPARE(handler.toVariant(Formula), QVariant(QStringLiteral("(mn/m0)")));
    QCOMPARE(handler.toVariant(StartTime), QVariant(context.start));
}

void TestRunContextModel::stringsRoundTripThroughTextForms()
{
    Context source;
    source.author = QStringLiteral("<b>Zoë</b> & \\n");
    source.product = QStringLiteral("line1\nline2\t;");
    source.date = QDate(2026, 12, 7);
    source.time = QTime(8, 9, 10);
    source.formula = 1;
    source.start = QDateTime(QDate(2026, 12, 7), QTime(8, 0, 0));
    source.end = QDateTime(QDate(2026, 12, 8), QTime(9, 0, 1));
    source.samples = 4294967295u;
    ContextHandler from(&source);

    Context copy;
    ContextHandler to(&copy);
    for (int id = 0; id <= EndTime; ++id)
        to.setString(id, from.toString(id));
    // Masses are not compared: their text form keeps 6 digits.
    source.initialMass = copy.initialMass;
    source.finalMass = copy.finalMass;
    QCOMPARE(copy, source);
}

void TestRunContextModel::setStringRefusesWhatDoesNotParse()
{
    Context context;
    context.samples = 5;
    context.initialMass = 2.5;
    context.formula = 2;
    context.date = QDate(2024, 1, 1);
    ContextHandler handler(&context);

    handler.setString(SamplesCount, QStringLiteral("12a"));
    handler.setString(SamplesCount, QStringLiteral("-1"));
    handler.setString(InitialMass, QStringLiteral("heavy"));
    QCOMPARE(context.samples, 5u);
    QCOMPARE(context.initialMass, 2.5);

    handler.setString(Formula, QStringLiteral("(m0-mn)/mn"));
    QCOMPARE(context.formula, 1);
    handler.setString(Formula, QStringLiteral("(mn/m0) *100%"));
    QCOMPARE(context.formula, 0);

    // Date, time and date-time become invalid rather than keep a stale value.
    handler.setString(Date, QStringLiteral("2024-01-01"));
    QVERIFY(!context.date.isValid());
    handler.setString(EndTime, QStringLiteral("garbage"));
    QVERIFY(!context.end.isValid());
}

void TestRunContextModel::setVariantTakesOnlyTheFieldsType()
{
    Context context;
    context.date = QDate(2024, 1, 1);
    context.samples = 3;
    ContextHandler handler(&context);

    handler.setVariant(Date, QStringLiteral("05-03-2024"));
    QCOMPARE(context.date, QDate(2024, 1, 1));
    handler.setVariant(SamplesCount, QStringLiteral("9"));
    handler.setVariant(SamplesCount, 9); // int, not unsigned
    QCOMPARE(context.samples, 3u);
    handler.setVariant(SamplesCount, 9u);
    QCOMPARE(context.samples, 9u);
    handler.setVariant(Author, QDate(2024, 1, 1));
    QCOMPARE(context.author, QString());
    handler.setVariant(Author, QStringLiteral("Ann"));
    QCOMPARE(context.author, QStringLiteral("Ann"));
    handler.setVariant(Time, QTime(1, 2, 3));
    QCOMPARE(context.time, QTime(1, 2, 3));
    handler.setVariant(Formula, QStringLiteral("(mn/m0)"));
    QCOMPARE(context.formula, 2);
    const QDateTime start(QDate(2024, 3, 5), QTime(1, 2, 3));
    handler.setVariant(StartTime, start);
    QCOMPARE(context.start, start);
}

void TestRunContextModel::switchesAndUnknownIdsCarryNothing()
{
    Context context;
    ContextHandler handler(&context);
    const Context before = context;
    for (int id : {int(Plot), int(Data), -1, 17, 1000}) {
        handler.setVariant(id, QStringLiteral("x"));
        handler.setString(id, QStringLiteral("x"));
        QVERIFY(!handler.toVariant(id).isValid());
        QCOMPARE(handler.toString(id), QString());
    }
    QCOMPARE(context, before);
}

void TestRunContextModel::userDataIsTheFirstNineFields()
{
    Context context;
    context.author = QStringLiteral("A");
    context.time = QTime(1, 1, 1);
    context.samples = 4;
    KD::Drying::UserData user = context;
    user.title = QStringLiteral("T");
    static_cast<KD::Drying::UserData&>(context) = user;
    QCOMPARE(context.title, QStringLiteral("T"));
    QCOMPARE(context.author, QStringLiteral("A"));
    QCOMPARE(context.samples, 4u);
}

void TestRunContextModel::tablesAgreeWithEachOther()
{
    const ContextInfo info;
    const PdfTranslatorInfo pdf;

    QCOMPARE(info.allIds().size(), 17);
    QCOMPARE(info.valueIds().size(), 15);
    QVERIFY(!info.valueIds().contains(Plot));
    QCOMPARE(info.settingsKey(SamplesCount), QStringLiteral("SamplesCnt"));
    QCOMPARE(info.settingsKey(17), QString());
    QCOMPARE(info.csvKey(SamplesCount), QStringLiteral("SamplesCount"));
    QCOMPARE(info.csvKey(InitialMass), QString());
    QCOMPARE(info.reportName(SamplesCount), QStringLiteral("Samples quantity"));
    QCOMPARE(info.reportName(Plot), QStringLiteral("Chart"));
    QCOMPARE(info.checkGroup(), QStringLiteral("RunCtxPdf"));
    QCOMPARE(info.valuesGroup(), QStringLiteral("RunCtxValues"));

    // Settings keys are unique, or two values would share one stored flag.
    QSet<QString> keys;
    for (int id : info.allIds())
        keys.insert(info.settingsKey(id));
    QCOMPARE(keys.size(), 17);
    // Every CSV line has a key.
    for (int id : info.csvOrder())
        QVERIFY2(!info.csvKey(id).isEmpty(), qPrintable(QString::number(id)));
    QCOMPARE(info.csvOrder().size(), 13);

    // The dialog lists every id once; its editors and value columns match.
    QList<int> order = pdf.pdfOrder();
    QCOMPARE(order.size(), 17);
    QCOMPARE(order.indexOf(Data) + 1, order.indexOf(Plot));
    QCOMPARE(order.last(), int(Formula));
    std::sort(order.begin(), order.end());
    QCOMPARE(order, info.allIds());
    for (int id : info.allIds()) {
        QCOMPARE(pdf.hasValueColumn(id), info.valueIds().contains(id));
        QCOMPARE(pdf.widgetInfo(id).editable,
                 info.storedValueIds().contains(id) || id == Date || id == Time);
        QVERIFY(!pdf.label(id).isEmpty());
    }
    QCOMPARE(pdf.widgetInfo(Date).editorKind, 2);
    QCOMPARE(pdf.widgetInfo(Time).editorKind, 1);
    QCOMPARE(pdf.widgetInfo(Plot).editorKind, 4);
    QVERIFY(!pdf.widgetInfo(-1).checkable);
    QVERIFY(pdf.showAsText(EndTime));
    QVERIFY(!pdf.showAsText(Formula));
    QCOMPARE(pdf.label(-3), QString());
    QCOMPARE(pdf.headerLabels(), QStringList({"PDF", "Parameter", "Value"}));
}

void TestRunContextModel::checkedSetAndDefaults()
{
    QSet<int> set{Author};
    Common::RunContext::TemplatedCheckedValuesHandler<
        ContextValue, Common::RunContext::ValueIntConverter<ContextValue>>
        checked(&set);
    checked.setChecked(Plot, true);
    checked.setChecked(Author, false);
    checked.setChecked(Plot, true);
    QCOMPARE(set, QSet<int>({Plot}));
    QVERIFY(checked.isChecked(Plot));
    checked.setCheckedAll({Title, Data});
    QCOMPARE(checked.checkedAll(), QSet<int>({Title, Data}));

    const DefaultValProvider defaults;
    QCOMPARE(defaults.defaults().size(), 7);
    QCOMPARE(defaults.value(Author), QStringLiteral("Author"));
    QCOMPARE(defaults.value(Product), QStringLiteral("Product"));
    QVERIFY(!defaults.hasValue(Date));
    QCOMPARE(defaults.value(Date), QString());
}

QTEST_GUILESS_MAIN(TestRunContextModel)
#include "tst_runcontextmodel.moc"
