#include "analyzer/DryingMessagesHandler.h"
#include "analyzer/StatesTrProvider.h"
#include "ui/MessageBoxContext.h"

#include "tests/support/FakeMessageBoxPresenter.h"

#include <QtTest>

class TestDryingMessages : public QObject
{
    Q_OBJECT

private slots:
    void externalStartIsAnnouncedOnlyWhenIgnored()
    {
        FakeMessageBoxPresenter presenter;
        MessageBoxContext context;
        context.setTitle("Brenko Sorvana");
        KD::DryingMessagesHandler handler(&context);

        handler.onDryingStart(true, false, 10);
        handler.onDryingStart(false, true, 10);
        handler.onDryingStart(false, false, 10);
        QVERIFY(presenter.shown().isEmpty());

        handler.onDryingStart(true, true, 10);
        QCOMPARE(presenter.shown().size(), 1);
        QCOMPARE(presenter.last().icon, QMessageBox::Information);
        QCOMPARE(presenter.last().title, QString("Brenko Sorvana"));
        QCOMPARE(presenter.last().text,
                 QString("Device started drying process externally (not from this program).<br>"
                         "Data from previous drying (if present) will be preserved."));
    }

    void destructiveStartSaysWhatHappened()
    {
        FakeMessageBoxPresenter presenter;
        MessageBoxContext context;
        KD::DryingMessagesHandler handler(&context);
        const QString head =
            "Detected a request to start drying while another operation was in progress!"
            "<br><br>Currently run operation was aborted!<br><br>";

        handler.onDestructiveStart(true);
        QCOMPARE(presenter.last().icon, QMessageBox::Warning);
        QCOMPARE(presenter.last().text,
                 head
                     + "Drying process started with settings present on device. "
                       "Settings present in program may differ from device settings.");

        handler.onDestructiveStart(false);
        QCOMPARE(presenter.last().text,
                 head + "Drying process was not started - mass is too small.");
    }

    void everyEndIsAnnounced()
    {
        FakeMessageBoxPresenter presenter;
        MessageBoxContext context;
        KD::DryingMessagesHandler handler(&context);
        handler.onDryingEnd();
        handler.onDryingEnd();
        QCOMPARE(presenter.shown().size(), 2);
        QCOMPARE(presenter.last().icon, QMessageBox::Information);
        QCOMPARE(presenter.last().text, QString("Drying process ended!"));
    }

    // The step texts sit behind the state ids: readers 11..15, writers 16..20.
    void stateAndStepTexts()
    {
        KD::StatesTrProvider texts;
        QCOMPARE(texts.text(0), QString());
        QCOMPARE(texts.text(10), QString("Uploading firmware"));
        QCOMPARE(texts.text(KD::StatesTrProvider::ReaderStepBase), QString());
        QCOMPARE(texts.text(KD::StatesTrProvider::ReaderStepBase + 2),
                 QString("Copying slot to current"));
        QCOMPARE(texts.text(KD::StatesTrProvider::WriterStepBase), QString());
        QCOMPARE(texts.text(KD::StatesTrProvider::WriterStepBase + 3),
                 QString("Copying current to slot"));
        QCOMPARE(texts.text(21), QString());
        QCOMPARE(texts.text(-1), QString());
    }
};

QTEST_GUILESS_MAIN(TestDryingMessages)
#include "tst_dryingmessages.moc"
