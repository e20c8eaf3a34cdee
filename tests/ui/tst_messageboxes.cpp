#include "ui/AskCleaner.h"
#include "ui/HtmlFragments.h"
#include "ui/IClearable.h"
#include "ui/IEmpty.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"
#include "ui/MessageBoxesAggregated.h"
#include "ui/MessageBoxesFileOperation.h"
#include "ui/MessageBoxesFirmware.h"
#include "ui/MessageBoxesSearchSettings.h"
#include "ui/MessageBoxesTerminal.h"
#include "ui/QtMessageBoxPresenter.h"

#include "tests/support/FakeMessageBoxPresenter.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

namespace {

class FakeData : public Common::IEmpty, public Common::IClearable
{
public:
    bool isEmpty() const override { return rows == 0; }
    void clear() override { rows = 0; }
    int rows = 0;
};

// Answers the real modal box that opens next, from inside its event loop.
void answerNextBox(std::function<void(QMessageBox*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        action(box);
    });
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void boxesReadTheSharedContextWhenShown()
    {
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        MessageBoxContext context;
        Common::MessageBoxesTerminal terminal(&context);

        // Before start-up fills the context: no title, no parent.
        QVERIFY(terminal.askClearLogs());
        QCOMPARE(presenter.last().title, QString());
        QVERIFY(!presenter.last().parent);

        QWidget window;
        context.setTitle("Brenko Sorvana");
        context.setParent(&window);
        presenter.queueAnswer(QMessageBox::No);
        QVERIFY(!terminal.askResetCommands());
        const MessageBoxRequest box = presenter.last();
        QCOMPARE(box.title, QString("Brenko Sorvana"));
        QCOMPARE(box.parent, &window);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.text, QString("Are you sure you want to set commands back to default?"));
        QCOMPARE(box.yesText, QString("Yes"));
        QCOMPARE(box.noText, QString("No"));
    }

    void eachBoxHasItsIconTextAndButtons()
    {
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        MessageBoxContext context;
        Common::MessageBoxesFileOperation files(&context);
        Common::MessageBoxesFirmware firmware(&context);
        Common::MessageBoxesSearchSettings search(&context);
        Common::MessageBoxesTerminal terminal(&context);

        files.showFileOpenError();
        firmware.showUpdateSucceeded();
        firmware.showUpdateFailed();
        firmware.showInvalidFile();
        search.showNoBaudRate();
        search.showNoSearchMode();
        terminal.askClearLogs();

        const QVector<MessageBoxRequest>& shown = presenter.shown();
        QCOMPARE(shown.size(), 7);
        const QVector<QMessageBox::Icon> icons = {
            QMessageBox::Warning, QMessageBox::Information, QMessageBox::Critical,
            QMessageBox::Warning, QMessageBox::Information, QMessageBox::Information,
            QMessageBox::Question};
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].icon, icons[i]);
            QCOMPARE(shown[i].textFormat, Qt::AutoText);
            QCOMPARE(shown[i].buttons,
                     i == 6 ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        }
        QCOMPARE(shown[0].text, QString("There was an error while trying to open a file"));
        QCOMPARE(shown[4].text,
                 QString("No baud rate selected!\nAt least one baud rate must be selected!"));
        QCOMPARE(shown[6].text, QString("Are you sure you want to clear the logs database?\n"
                                        "This action cannot be reversed, consider using filters."));
    }

    void uploadQuestionShowsTheFileNameAsTypedText()
    {
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        MessageBoxContext context;
        Common::MessageBoxesFirmware firmware(&context);

        QVERIFY(firmware.askUploadConfirmation("/tmp/fw.s19"));
        QCOMPARE(presenter.last().icon, QMessageBox::Warning);
        QCOMPARE(presenter.last().textFormat, Qt::RichText);
        QCOMPARE(presenter.last().text,
                 QString("Are you sure you wish to upload this file as a firmware to device?"
                         "<br><br><tt>/tmp/fw.s19</tt>"));

        firmware.askUploadConfirmation("/tmp/a&b<c>.s19");
        QVERIFY(presenter.last().text.endsWith("<tt>/tmp/a&amp;b&lt;c&gt;.s19</tt>"));
    }

    void drying_page_boxes_are_untitled()
    {
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        Common::MessageBoxesAggregated boxes;

        boxes.showNothingToSave();
        QCOMPARE(presenter.last().icon, QMessageBox::Warning);
        QCOMPARE(presenter.last().text, QString("No data to save!"));
        QVERIFY(boxes.askClearData());
        QCOMPARE(presenter.last().icon, QMessageBox::Question);
        QCOMPARE(presenter.last().text, QString("Are you sure you want to clear all the data?"));
        for (const MessageBoxRequest& box : presenter.shown()) {
            QCOMPARE(box.title, QString());
            QVERIFY(!box.parent);
        }
    }

    void cleanerAsksOnlyWhenThereIsData()
    {
        FakeMessageBoxPresenter presenter(QMessageBox::No);
        Common::MessageBoxesAggregated boxes;
        FakeData data;
        Common::AskCleaner cleaner(&data, &data, &boxes);

        QVERIFY(cleaner.check());
        QVERIFY(presenter.shown().isEmpty());

        data.rows = 5;
        QVERIFY(!cleaner.check());
        QCOMPARE(data.rows, 5);
        QCOMPARE(presenter.shown().size(), 1);

        presenter.queueAnswer(QMessageBox::Yes);
        QVERIFY(cleaner.check());
        QCOMPARE(data.rows, 0);
    }

    void realBoxEndedByEscapeOrCloseCountsAsNo()
    {
        MessageBoxContext context;
        context.setTitle("Brenko Sorvana");

        answerNextBox([](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QString("Brenko Sorvana"));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QString("Yes"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QString("No"));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!context.askWarning("Escape?"));

        answerNextBox([](QMessageBox* box) { box->close(); });
        QVERIFY(!context.askQuestion("Close?"));

        answerNextBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        QVERIFY(context.askQuestion("Yes?"));

        answerNextBox([](QMessageBox* box) {
            QCOMPARE(box->textFormat(), Qt::RichText);
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->button(QMessageBox::Ok)->click();
        });
        context.showCritical("<b>bold</b>", Qt::RichText);
    }

    void textsAndFragments()
    {
        Common::MessageBoxTrProvider texts;
        QCOMPARE(texts.text(13), QString());
        QCOMPARE(texts.text(-1), QString());
        QCOMPARE(texts.text(12), QString("There was an error while trying to open a file"));

        QCOMPARE(htmlBreaks(0), QString("<br>"));
        QCOMPARE(htmlBreaks(-3), QString("<br>"));
        QCOMPARE(htmlBreaks(3), QString("<br><br><br>"));
        QCOMPARE(htmlUl(htmlLi("a") + htmlLi("b")), QString("<ul><li>a</li><li>b</li></ul>"));
        QCOMPARE(htmlCenter("x"), QString("<center>x</center>"));
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
