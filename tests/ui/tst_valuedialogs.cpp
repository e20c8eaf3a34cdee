#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <functional>

#include "ui/DateDialog.h"
#include "ui/DateWidgetWrapper.h"
#include "ui/ExtendedLineDialog.h"
#include "ui/SettingWidget.h"
#include "ui/TextWidgetWrapper.h"
#include "ui/TimeComboBoxDialog.h"
#include "ui/TimeWidgetWrapper.h"

using Common::Widgets::DateWidgetWrapper;
using Common::Widgets::SettingWidget;
using Common::Widgets::TextWidgetWrapper;
using Common::Widgets::TimeWidgetWrapper;
using Common::Widgets::WidgetWrapper;

namespace {

enum class Close { Confirm, Cancel, Escape, CloseButton };

// Presses the row's "..." button; the dialog's modal loop then runs `edit`
// and closes the dialog the given way. A queued call reaches the loop that
// exec() starts, so nothing waits on a timer.
bool editThroughRow(SettingWidget& row, VornAbstractDialog& dialog, Close how,
                    const std::function<void()>& edit = {})
{
    bool reached = false;
    QMetaObject::invokeMethod(
        &dialog,
        [&] {
            reached = dialog.isVisible();
            if (edit)
                edit();
            switch (how) {
            case Close::Confirm:
                QTest::mouseClick(dialog.findChild<QPushButton*>("confirmButton"), Qt::LeftButton);
                break;
            case Close::Cancel:
                QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
                break;
            case Close::Escape: {
                QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
                QTest::keyClick(target, Qt::Key_Escape);
                break;
            }
            case Close::CloseButton: dialog.close(); break;
            }
            if (dialog.isVisible()) { // never leave the test hanging in exec()
                reached = false;
                dialog.done(QDialog::Rejected);
            }
        },
        Qt::QueuedConnection);
    QTest::mouseClick(row.editButton(), Qt::LeftButton);
    return reached;
}

template <typename Wrapper, typename Editor>
Wrapper* wrap(Editor* editor)
{
    auto* wrapper = new Wrapper;
    wrapper->setWidget(editor);
    return wrapper;
}

QComboBox* combo(QDialog& d, const char* name) { return d.findChild<QComboBox*>(name); }

} // namespace

class TestValueDialogs : public QObject
{
    Q_OBJECT

private slots:
    void dateRowConfirmCancelEscape();
    void textRowKeepsMarkupAsTyped();
    void timeRowConfirmCancelAndClose();
    void dateDialogTexts();
    void timeDialog24Hours();
    void timeDialog12Hours_data();
    void timeDialog12Hours();
    void timeDialogRefusesBadInput();
    void wrappersCheckTypeAndEditor();
    void editButtonFollowsEnabledState();
    void replacingWrapperSwapsEditor();
};

void TestValueDialogs::dateRowConfirmCancelEscape()
{
    SettingWidget row;
    auto* edit = new QDateEdit;
    row.setWrapper(wrap<DateWidgetWrapper>(edit));
    DateDialog dialog;
    row.setDialog(&dialog);
    const QDate march5(2024, 3, 5);
    row.setValue(march5);
    auto* calendar = dialog.findChild<QCalendarWidget*>("calendarWidget");

    // The dialog opens on the row's date; Today + Confirm writes today.
    QDate shown;
    QVERIFY(editThroughRow(row, dialog, Close::Confirm, [&] {
        shown = calendar->selectedDate();
        QTest::mouseClick(dialog.findChild<QPushButton*>("buttonToday"), Qt::LeftButton);
    }));
    QCOMPARE(shown, march5);
    QVERIFY(dialog.isConfirmed());
    QCOMPARE(edit->date(), QDate::currentDate());

    // Cancel writes nothing.
    row.setValue(march5);
    QVERIFY(editThroughRow(row, dialog, Close::Cancel,
                           [&] { calendar->setSelectedDate(QDate(2020, 1, 1)); }));
    QVERIFY(!dialog.isConfirmed());
    QCOMPARE(edit->date(), march5);

    // Escape after an earlier Confirm must not write: every opening starts
    // unconfirmed.
    QVERIFY(editThroughRow(row, dialog, Close::Confirm));
    QVERIFY(dialog.isConfirmed());
    QVERIFY(editThroughRow(row, dialog, Close::Escape,
                           [&] { calendar->setSelectedDate(QDate(2021, 6, 7)); }));
    QVERIFY(!dialog.isConfirmed());
    QCOMPARE(edit->date(), march5);
}

void TestValueDialogs::textRowKeepsMarkupAsTyped()
{
    SettingWidget row;
    auto* line = new QLineEdit;
    row.setWrapper(wrap<TextWidgetWrapper>(line));
    ExtendedLineDialog dialog;
    row.setDialog(&dialog);
    auto* textEdit = dialog.findChild<QTextEdit*>("textEdit");

    // A value that looks like markup must neither be rendered nor lose its tags.
    const QString markup = QStringLiteral("<b>Sample</b> &amp; <i>batch</i>");
    row.setValue(markup);
    QString shown;
    QVERIFY(editThroughRow(row, dialog, Close::Confirm, [&] { shown = textEdit->toPlainText(); }));
    QCOMPARE(shown, markup);
    QCOMPARE(line->text(), markup);

    QVERIFY(editThroughRow(row, dialog, Close::Confirm, [&] {
        textEdit->clear();
        QTest::keyClicks(textEdit, "new text");
    }));
    QCOMPARE(line->text(), QStringLiteral("new text"));

    QVERIFY(editThroughRow(row, dialog, Close::Escape, [&] { textEdit->setPlainText("lost"); }));
    QCOMPARE(line->text(), QStringLiteral("new text"));
    QVERIFY(editThroughRow(row, dialog, Close::Cancel, [&] { textEdit->setPlainText("lost"); }));
    QCOMPARE(line->text(), QStringLiteral("new text"));

    // The dialog's own value forms.
    dialog.setValue(42);
    QCOMPARE(dialog.text(), QStringLiteral("42"));
    dialog.setTextValue("a\nb");
    QCOMPARE(dialog.textValue(), QStringLiteral("a\nb"));
    QCOMPARE(dialog.value(), QVariant(QStringLiteral("a\nb")));
}

void TestValueDialogs::timeRowConfirmCancelAndClose()
{
    SettingWidget row;
    auto* edit = new QTimeEdit;
    edit->setDisplayFormat("hh:mm:ss");
    row.setWrapper(wrap<TimeWidgetWrapper>(edit));
    TimeComboBoxDialog dialog(false);
    row.setDialog(&dialog);
    row.setValue(QTime(7, 5, 9));

    QString shownHour;
    QVERIFY(editThroughRow(row, dialog, Close::Confirm, [&] {
        shownHour = combo(dialog, "comboBoxHours")->currentText();
        dialog.setMinute(45);
    }));
    QCOMPARE(shownHour, QStringLiteral("7"));
    QCOMPARE(edit->time(), QTime(7, 45, 9));

    // The window's close button after a Confirm leaves the value alone too.
    QVERIFY(editThroughRow(row, dialog, Close::CloseButton, [&] { dialog.setHour(20); }));
    QCOMPARE(edit->time(), QTime(7, 45, 9));
    QVERIFY(editThroughRow(row, dialog, Close::Escape, [&] { dialog.setHour(21); }));
    QCOMPARE(edit->time(), QTime(7, 45, 9));
    QVERIFY(editThroughRow(row, dialog, Close::Cancel, [&] { dialog.setHour(22); }));
    QCOMPARE(edit->time(), QTime(7, 45, 9));
}

void TestValueDialogs::dateDialogTexts()
{
    DateDialog dialog;
    dialog.setValue(QDate(2024, 3, 5));
    QCOMPARE(dialog.text(), QStringLiteral("05-03-2024"));
    dialog.setText("2024-03-05"); // not dd-MM-yyyy
    QCOMPARE(dialog.value().toDate(), QDate(2024, 3, 5));
    dialog.setText("31-12-1999");
    QCOMPARE(dialog.value().toDate(), QDate(1999, 12, 31));
    dialog.setValue(QStringLiteral("01-01-2000")); // only date variants count
    dialog.setValue(QDateTime(QDate(2001, 1, 1), QTime(1, 0)));
    QCOMPARE(dialog.value().toDate(), QDate(1999, 12, 31));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void TestValueDialogs::timeDialog24Hours()
{
    TimeComboBoxDialog dialog(false);
    QCOMPARE(combo(dialog, "comboBoxHours")->count(), 24);
    QCOMPARE(combo(dialog, "comboBoxHours")->itemText(23), QStringLiteral("23"));
    QCOMPARE(combo(dialog, "comboBoxMinutes")->count(), 60);
    QCOMPARE(combo(dialog, "comboBoxSeconds")->itemText(59), QStringLiteral("59"));
    QCOMPARE(combo(dialog, "comboBoxHours")->currentText(), QStringLiteral("0"));
    QCOMPARE(combo(dialog, "comboBoxMinutes")->currentText(), QStringLiteral("00"));
    QCOMPARE(dialog.value(), QVariant(QTime(0, 0, 0)));
    QVERIFY(dialog.findChild<QPushButton*>("buttonAmPm")->isHidden());

    dialog.setTime(QTime(7, 5, 9));
    QCOMPARE(combo(dialog, "comboBoxHours")->currentText(), QStringLiteral("7"));
    QCOMPARE(combo(dialog, "comboBoxMinutes")->currentText(), QStringLiteral("05"));
    QCOMPARE(combo(dialog, "comboBoxSeconds")->currentText(), QStringLiteral("09"));
    QCOMPARE(dialog.value(), QVariant(QTime(7, 5, 9)));
    QCOMPARE(dialog.text(), QStringLiteral("07:05:09"));

    dialog.setTime(QTime(23, 59, 58));
    QCOMPARE(dialog.time(), QTime(23, 59, 58));
    dialog.setHour(99);
    dialog.setMinute(-3);
    QCOMPARE(dialog.time(), QTime(23, 0, 58));
}

void TestValueDialogs::timeDialog12Hours_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("hourText");
    QTest::addColumn<QString>("amPm");
    QTest::newRow("half past midnight") << QTime(0, 30, 0) << "12"
                                        << "AM";
    QTest::newRow("noon") << QTime(12, 0, 0) << "12"
                          << "PM";
    QTest::newRow("quarter past one pm") << QTime(13, 15, 0) << "1"
                                         << "PM";
    QTest::newRow("eleven am") << QTime(11, 59, 59) << "11"
                               << "AM";
    QTest::newRow("eleven pm") << QTime(23, 1, 2) << "11"
                               << "PM";
}

void TestValueDialogs::timeDialog12Hours()
{
    QFETCH(QTime, time);
    QFETCH(QString, hourText);
    QFETCH(QString, amPm);
    TimeComboBoxDialog dialog(true);
    QCOMPARE(combo(dialog, "comboBoxHours")->count(), 12);
    QCOMPARE(combo(dialog, "comboBoxHours")->itemText(0), QStringLiteral("12"));
    auto* amPmButton = dialog.findChild<QPushButton*>("buttonAmPm");
    QVERIFY(!amPmButton->isHidden());

    dialog.setValue(time);
    QCOMPARE(combo(dialog, "comboBoxHours")->currentText(), hourText);
    QCOMPARE(amPmButton->text(), amPm);
    QCOMPARE(dialog.value().toTime(), time);

    // The AM/PM button moves the time by twelve hours.
    QTest::mouseClick(amPmButton, Qt::LeftButton);
    QCOMPARE(dialog.time(), time.addSecs(time.hour() >= 12 ? -12 * 3600 : 12 * 3600));
}

void TestValueDialogs::timeDialogRefusesBadInput()
{
    TimeComboBoxDialog dialog(false);
    dialog.setText("10:20:30");
    dialog.setText("25:00:00");
    dialog.setText("10:20");
    dialog.setValue(QStringLiteral("11:11:11"));
    dialog.setValue(QTime());
    QCOMPARE(dialog.time(), QTime(10, 20, 30));

    // Now is read between the clock readings before and after the click,
    // to the second (either side of midnight when the day turns meanwhile).
    const QTime before = QTime::currentTime();
    dialog.findChild<QPushButton*>("buttonNow")->click();
    const QTime after = QTime::currentTime();
    const QTime shown = dialog.time();
    const QTime from(before.hour(), before.minute(), before.second());
    QVERIFY2(after < before ? shown >= from || shown <= after : shown >= from && shown <= after,
             qPrintable(shown.toString()));
}

void TestValueDialogs::wrappersCheckTypeAndEditor()
{
    QLineEdit line("kept");
    TextWidgetWrapper text;
    QCOMPARE(text.value(), QVariant()); // no editor yet
    text.setValue(QStringLiteral("ignored"));
    text.setWidget(&line);
    text.setValue(QDate(2024, 3, 5));
    QCOMPARE(line.text(), QStringLiteral("kept"));
    text.setValue(QStringLiteral("set"));
    QCOMPARE(text.value(), QVariant(QStringLiteral("set")));

    QTimeEdit timeEdit;
    DateWidgetWrapper date;
    date.setWidget(&timeEdit); // a QDateTimeEdit, but not a QDateEdit
    QCOMPARE(date.value(), QVariant());
    QDateEdit dateEdit(QDate(2000, 1, 1));
    date.setWidget(&dateEdit);
    date.setValue(QTime(1, 2, 3));
    QCOMPARE(date.value(), QVariant(QDate(2000, 1, 1)));
    date.setValue(QDate(2024, 3, 5));
    QCOMPARE(dateEdit.date(), QDate(2024, 3, 5));

    TimeWidgetWrapper time;
    time.setWidget(&line);
    time.setValue(QTime(1, 2, 3));
    QCOMPARE(time.value(), QVariant());
    QCOMPARE(line.text(), QStringLiteral("set"));

    // A deleted editor is not touched.
    auto* gone = new QLineEdit;
    text.setWidget(gone);
    delete gone;
    text.setValue(QStringLiteral("x"));
    QCOMPARE(text.value(), QVariant());

    WidgetWrapper plain;
    plain.setWidget(&line);
    plain.setValue(QStringLiteral("base"));
    QCOMPARE(plain.value(), QVariant());
    QCOMPARE(line.text(), QStringLiteral("set"));
}

void TestValueDialogs::editButtonFollowsEnabledState()
{
    SettingWidget withDialog;
    SettingWidget withoutDialog;
    ExtendedLineDialog dialog;
    QVERIFY(withDialog.editButton()->isHidden());
    QCOMPARE(withDialog.editButton()->text(), QStringLiteral("..."));
    withDialog.setDialog(&dialog);
    QVERIFY(!withDialog.editButton()->isHidden());

    withDialog.setEnabled(false);
    withoutDialog.setEnabled(false);
    QVERIFY(withDialog.editButton()->isHidden());
    withDialog.setEnabled(true);
    withoutDialog.setEnabled(true);
    QVERIFY(!withDialog.editButton()->isHidden());
    QVERIFY(withoutDialog.editButton()->isHidden());

    // A disabled row given a dialog keeps the button hidden until enabled.
    withoutDialog.setEnabled(false);
    withoutDialog.setDialog(&dialog);
    QVERIFY(withoutDialog.editButton()->isHidden());
    withoutDialog.setEnabled(true);
    QVERIFY(!withoutDialog.editButton()->isHidden());

    // Pressing the button of a row without a dialog, or with a wrapper-less
    // row, does nothing and blocks nothing.
    SettingWidget bare;
    bare.onEditButtonClick();
    QCOMPARE(bare.value(), QVariant());
}

void TestValueDialogs::replacingWrapperSwapsEditor()
{
    SettingWidget row;
    auto* first = new QLineEdit;
    row.setWrapper(wrap<TextWidgetWrapper>(first));
    auto* layout = qobject_cast<QHBoxLayout*>(row.layout());
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->itemAt(0)->widget(), first);
    QCOMPARE(layout->itemAt(1)->widget(), row.editButton());
    QCOMPARE(layout->spacing(), 0);

    QPointer<WidgetWrapper> oldWrapper = row.wrapper();
    QPointer<QLineEdit> oldEditor = first;
    auto* second = new QDateEdit;
    row.setWrapper(wrap<DateWidgetWrapper>(second));
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->itemAt(0)->widget(), second);
    QCOMPARE(second->parent(), &row);
    QCOMPARE(row.wrapper()->parent(), &row);
    QTRY_VERIFY(oldWrapper.isNull());
    QTRY_VERIFY(oldEditor.isNull());
    row.setValue(QDate(2024, 3, 5));
    QCOMPARE(row.value(), QVariant(QDate(2024, 3, 5)));
}

QTEST_MAIN(TestValueDialogs)
#include "tst_valuedialogs.moc"
