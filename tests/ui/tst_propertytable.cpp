#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "resources/Resources.h"

#include "ui/HotKeyButton.h"
#include "ui/ITranslationProvider.h"
#include "ui/NVornHotkeyItem.h"
#include "ui/NVornIPLineItem.h"
#include "ui/NVornLineItem.h"
#include "ui/NVornListItem.h"
#include "ui/NVornModelView.h"
#include "ui/NVornTitleItem.h"
#include "ui/TranslationListGetter.h"

using namespace Common::VornModel;

namespace {

// Texts that change when the test switches "language".
class FakeProvider : public ITranslationProvider
{
public:
    QString text(int id) const override
    {
        if (id == 99)
            return QString();
        return QStringLiteral("%1-%2").arg(prefix).arg(id);
    }
    QString prefix = QStringLiteral("en");
};

QModelIndex valueCell(const NVornModelView& view, int name)
{
    return view.model()->index(view.rowOf(name), 1);
}

// Presses the cell: one press opens its editor.
template <typename Editor>
Editor* openEditor(NVornModelView& view, int name)
{
    const QModelIndex index = valueCell(view, name);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    return qobject_cast<Editor*>(view.indexWidget(index));
}

} // namespace

class TestPropertyTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsAndSections();
    void lineEditCommitsOnce();
    void valuesSetInCode();
    void netmaskAndAddressEntry();
    void listItem();
    void hotKeyCapture();
    void hotKeyCodesArePortable();
    void retranslation();
    void polishTexts();

private:
    NVornModelView* m_view = nullptr;
    QWidget* m_window = nullptr;
};

void TestPropertyTable::initTestCase() { qRegisterMetaType<Qt::KeyboardModifiers>(); }

void TestPropertyTable::init()
{
    m_window = new QWidget;
    m_view = new NVornModelView(m_window);
    m_window->resize(300, 300);
    m_view->resize(300, 300);
}

void TestPropertyTable::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_view = nullptr;
}

void TestPropertyTable::rowsAndSections()
{
    m_view->addTitle("Section");
    m_view->addItem("First", new NVornLineItem(1, "one"));
    m_view->addItem("Second", new NVornLineItem(2, "two"));
    QStandardItemModel* model = m_view->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(m_view->columnSpan(0, 0), 2);
    QCOMPARE(m_view->columnSpan(1, 0), 1);

    const QModelIndex section = model->index(0, 0);
    QCOMPARE(section.data(Qt::BackgroundRole).value<QBrush>().color(), QColor("gray"));
    QCOMPARE(section.data(Qt::TextAlignmentRole).toInt(), 132);
    QCOMPARE(section.data(Qt::FontRole).value<QFont>().weight(), 75);
    QCOMPARE(section.data(Qt::DisplayRole).toString(), QStringLiteral("Section"));
    QVERIFY(!(model->flags(section) & Qt::ItemIsEditable));
    QVERIFY(!(model->flags(model->index(1, 0)) & Qt::ItemIsEditable));
    QVERIFY(model->flags(model->index(1, 1)) & Qt::ItemIsEditable);

    QCOMPARE(m_view->sizeHint(), QSize(100, 62));
    QCOMPARE(m_view->minimumSizeHint(), QSize(100, 62));
    QCOMPARE(m_view->rowOf(2), 2);
    QCOMPARE(m_view->rowOf(7), -1);
    QVERIFY(m_view->item(7) == nullptr);
    QCOMPARE(m_view->value(1), QVariant("one"));

    // Model and delegate belong to the view's parent; a parentless view owns them.
    QCOMPARE(m_view->model()->parent(), m_window);
    NVornModelView alone;
    QCOMPARE(alone.model()->parent(), &alone);

    // A title item built without a text.
    NVornTitleItem unnamed;
    QCOMPARE(unnamed.displayText(), QStringLiteral("Not specified"));
    QCOMPARE(unnamed.name(), -1);
}

void TestPropertyTable::lineEditCommitsOnce()
{
    m_view->addTitle("Section");
    m_view->addItem("Name", new NVornLineItem(5, "old"));
    QSignalSpy changed(m_view, &NVornModelView::parameterChanged);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    // Pressing a title row opens nothing.
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {},
                      m_view->visualRect(m_view->model()->index(0, 0)).center());
    QVERIFY(!m_view->isEditing());

    auto* edit = openEditor<QLineEdit>(*m_view, 5);
    QVERIFY(edit);
    QVERIFY(m_view->isEditing());
    QCOMPARE(edit->text(), QStringLiteral("old"));
    edit->selectAll();
    QTest::keyClicks(edit, "new");
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 5);
    QCOMPARE(changed.at(0).at(1), QVariant("new"));
    QCOMPARE(m_view->model()->index(1, 1).data().toString(), QStringLiteral("new"));

    // Committing the same text again changes nothing and says nothing.
    edit = openEditor<QLineEdit>(*m_view, 5);
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(changed.count(), 1);
}

void TestPropertyTable::valuesSetInCode()
{
    auto* address = new NVornIPLineItem(10, "10.0.0.1");
    m_view->addItem("Address", address);
    m_view->addItem("Name", new NVornLineItem(11, "x"));
    QSignalSpy changed(m_view, &NVornModelView::parameterChanged);

    address->setAddress(0xC0A80001);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 10);
    QCOMPARE(changed.last().at(1), QVariant("192.168.0.1"));
    address->setAddress(0xC0A80001); // the value it already holds
    QCOMPARE(changed.count(), 1);

    QVERIFY(m_view->setValue(11, QStringLiteral("y")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).toInt(), 11);
    QVERIFY(m_view->setValue(11, QStringLiteral("y")));
    QCOMPARE(changed.count(), 2);
    QVERIFY(!m_view->setValue(12, QStringLiteral("none")));
    m_view->disableItem(12); // unknown names are ignored
    QCOMPARE(m_view->value(12), QVariant());

    // The edit role writes the value; the display role shows it as text.
    const QModelIndex cell = valueCell(*m_view, 11);
    QVERIFY(m_view->model()->setData(cell, 42, Qt::EditRole));
    QCOMPARE(m_view->value(11), QVariant(42));
    QCOMPARE(cell.data(Qt::DisplayRole), QVariant(QStringLiteral("42")));

    m_view->disableItem(11);
    QVERIFY(!(m_view->model()->flags(cell) & Qt::ItemIsEnabled));
    QVERIFY(!(m_view->model()->flags(cell.siblingAtColumn(0)) & Qt::ItemIsEnabled));
    m_view->enableItem(11);
    QVERIFY(m_view->model()->flags(cell) & Qt::ItemIsEnabled);
}

void TestPropertyTable::netmaskAndAddressEntry()
{
    QCOMPARE(NVornIPLineItem::contiguousMask("255.255.255.255"), QStringLiteral("255.255.255.255"));
    QCOMPARE(NVornIPLineItem::contiguousMask("0.0.0.0"), QStringLiteral("0.0.0.0"));
    QCOMPARE(NVornIPLineItem::contiguousMask("128.0.0.1"), QStringLiteral("128.0.0.0"));
    QCOMPARE(NVornIPLineItem::contiguousMask("255.255.128.7"), QStringLiteral("255.255.128.0"));
    QCOMPARE(NVornIPLineItem::contiguousMask("255.0.255.0"), QStringLiteral("255.0.0.0"));
    QCOMPARE(NVornIPLineItem::contiguousMask(""), QStringLiteral("0.0.0.0"));

    m_view->addItem("Mask", new NVornIPLineItem(20, "255.255.255.0", true));
    m_view->addItem("Address", new NVornIPLineItem(21, "10.0.0.1"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    auto* mask = openEditor<QLineEdit>(*m_view, 20);
    QVERIFY(mask && mask->validator());
    mask->clear();
    QTest::keyClicks(mask, "255.255.254.1");
    QTest::keyClick(mask, Qt::Key_Return);
    QTRY_COMPARE(m_view->value(20), QVariant("255.255.254.0"));

    // The validator refuses what can never be an address.
    auto* address = openEditor<QLineEdit>(*m_view, 21);
    QVERIFY(address);
    address->clear();
    QTest::keyClicks(address, "300.1");
    QVERIFY(address->text() != QStringLiteral("300.1"));

    // An unfinished address is not stored, even when the editor loses the cell.
    address->setText("192.168.");
    m_view->setCurrentIndex(m_view->model()->index(0, 1));
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(m_view->value(21), QVariant("10.0.0.1"));

    // An empty netmask entry is the empty mask.
    mask = openEditor<QLineEdit>(*m_view, 20);
    QVERIFY(mask);
    mask->clear();
    m_view->setCurrentIndex(m_view->model()->index(1, 1));
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(m_view->value(20), QVariant("0.0.0.0"));
}

void TestPropertyTable::listItem()
{
    auto* outOfRange = new NVornListItem(30, QStringList{"TCP", "UDP", "Both"}, 5);
    QCOMPARE(outOfRange->value(), QVariant(0));
    QCOMPARE(outOfRange->displayText(), QStringLiteral("TCP"));
    auto* list = new NVornListItem(31, QStringList{"a", "b", "c"}, 1);
    m_view->addItem("Out of range", outOfRange);
    m_view->addItem("Choice", list);
    QCOMPARE(valueCell(*m_view, 31).data().toString(), QStringLiteral("b"));

    // Values outside the options show nothing and open the editor on the first.
    m_view->setValue(31, 7);
    QCOMPARE(list->displayText(), QString());
    m_view->setValue(31, -1);
    QCOMPARE(list->displayText(), QString());

    QSignalSpy changed(m_view, &NVornModelView::parameterChanged);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto* combo = openEditor<QComboBox>(*m_view, 31);
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentIndex(), 0);

    // Choosing an entry commits and closes at once.
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 31);
    QCOMPARE(changed.last().at(1), QVariant(2));
    QCOMPARE(valueCell(*m_view, 31).data().toString(), QStringLiteral("c"));

    combo = openEditor<QComboBox>(*m_view, 31);
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 2);
}

void TestPropertyTable::hotKeyCapture()
{
    m_view->addItem("Show page", new NVornHotkeyItem(0));
    m_view->addItem("Other", new NVornHotkeyItem(1));
    QCOMPARE(valueCell(*m_view, 0).data().toString(), QStringLiteral("Not bound"));
    QSignalSpy changed(m_view, &NVornModelView::parameterChanged);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    auto* button = openEditor<HotKeyButton>(*m_view, 0);
    QVERIFY(button);
    QVERIFY(button->findChild<QLabel*>()->text() == QStringLiteral("Press key"));
    QSignalSpy codes(button, &HotKeyButton::codeArrived);
    // A modifier alone is not a key.
    QTest::keyPress(button, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyRelease(button, Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(m_view->isEditing());
    QCOMPARE(codes.count(), 0);
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(button, Qt::Key_F5, ctrlShift);
    QTest::keyRelease(button, Qt::Key_F5, ctrlShift);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(codes.count(), 1);
    QCOMPARE(codes.at(0).at(0).toString(), QStringLiteral("374"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(1), QVariant("Shift+Ctrl+F5"));
    QCOMPARE(valueCell(*m_view, 0).data().toString(), QStringLiteral("Shift+Ctrl+F5"));

    // Keys the table itself would act on (arrows, type-ahead) are captured too.
    button = openEditor<HotKeyButton>(*m_view, 1);
    QVERIFY(button);
    QTest::keyPress(button, Qt::Key_Up);
    QVERIFY(m_view->isEditing());
    QTest::keyRelease(button, Qt::Key_Up);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(m_view->value(1), QVariant("Up"));

    // Unbind stores an empty value, shown as not bound.
    button = openEditor<HotKeyButton>(*m_view, 0);
    QVERIFY(button);
    QTest::mouseClick(button->findChild<QPushButton*>(), Qt::LeftButton);
    QTRY_VERIFY(!m_view->isEditing());
    QCOMPARE(m_view->value(0), QVariant(QString()));
    QCOMPARE(valueCell(*m_view, 0).data().toString(), QStringLiteral("Not bound"));

    // A capture ends with the first key.
    HotKeyButton alone;
    QSignalSpy keys(&alone, &HotKeyButton::qtKeyArrived);
    QTest::keyClick(&alone, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(&alone, Qt::Key_B);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(NVornHotkeyItem::keyText(alone.key(), alone.modifiers()), QStringLiteral("Alt+A"));
}

void TestPropertyTable::hotKeyCodesArePortable()
{
    // The same text on every system, whatever native code the platform gives.
    QCOMPARE(HotKeyButton::code(Qt::Key_A, Qt::ControlModifier, 0), QStringLiteral("241"));
    QCOMPARE(HotKeyButton::code(Qt::Key_F5, Qt::NoModifier, 0), QStringLiteral("074"));
    QCOMPARE(HotKeyButton::code(Qt::Key_Delete, Qt::AltModifier | Qt::ShiftModifier, 0),
             QStringLiteral("52e"));
    QCOMPARE(HotKeyButton::code(Qt::Key_9, Qt::NoModifier, 0), QStringLiteral("039"));
#ifndef Q_OS_WIN
    QCOMPARE(HotKeyButton::code(Qt::Key_A, Qt::ControlModifier, 0x61), QStringLiteral("241"));
#endif
    QCOMPARE(NVornHotkeyItem::keyText(Qt::Key_F5, Qt::MetaModifier), QStringLiteral("F5"));
}

void TestPropertyTable::retranslation()
{
    FakeProvider provider;
    m_view->addTitle(TranslationHandle(&provider, 1));
    m_view->addItem(TranslationHandle(&provider, 2), new NVornLineItem(40, "v"));
    m_view->addItem(TranslationHandle(&provider, 99), new NVornLineItem(41, "w"));
    TranslationListGetter options(
        {TranslationHandle(&provider, 3), TranslationHandle(&provider, 4)});
    m_view->addItem("Mode", new NVornListItem(42, options, 1));
    m_view->addItem("Fixed", new NVornListItem(43, QStringList{"TCP", "UDP"}, 0));
    QCOMPARE(m_view->model()->index(0, 0).data().toString(), QStringLiteral("en-1"));
    QCOMPARE(valueCell(*m_view, 42).data().toString(), QStringLiteral("en-4"));

    QSignalSpy changed(m_view, &NVornModelView::parameterChanged);
    provider.prefix = QStringLiteral("pl");
    m_view->retranslate();
    QCOMPARE(m_view->model()->index(0, 0).data().toString(), QStringLiteral("pl-1"));
    QCOMPARE(m_view->model()->index(1, 0).data().toString(), QStringLiteral("pl-2"));
    QCOMPARE(valueCell(*m_view, 42).data().toString(), QStringLiteral("pl-4"));
    QCOMPARE(valueCell(*m_view, 43).data().toString(), QStringLiteral("TCP"));

    // Every list item announces itself, so listeners refresh their texts.
    QList<int> names;
    for (const auto& args : changed)
        names << args.at(0).toInt();
    QVERIFY(names.contains(42));
    QVERIFY(names.contains(43));
    QVERIFY(!names.contains(40));
}

// The texts reach the catalogue under the contexts that tr() looks up.
void TestPropertyTable::polishTexts()
{
    initSorvanaResources();
    QTranslator polish;
    QVERIFY(polish.load(":/i18n/polish.qm"));
    QCoreApplication::installTranslator(&polish);
    NVornHotkeyItem hotKey(0);
    NVornTitleItem unnamed;
    HotKeyButton button;
    const QString notBound = hotKey.displayText();
    QCoreApplication::removeTranslator(&polish);
    QCOMPARE(notBound, QStringLiteral("Nie przypisano"));
    QCOMPARE(unnamed.displayText(), QStringLiteral("Nie określono"));
    QCOMPARE(button.findChild<QPushButton*>()->text(), QStringLiteral("Usuń skrót"));
}

QTEST_MAIN(TestPropertyTable)
#include "tst_propertytable.moc"
