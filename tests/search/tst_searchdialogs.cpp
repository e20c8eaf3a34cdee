// The search page's dialogs: no device and its tutorial, the why-unreachable
// rows with the free-address proposal, the settings change progress, and the
// direct connection's remembered target.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "search/DirectConnectionWidget.h"
#include "search/FreeIpChecker.h"
#include "search/IAddressProbe.h"
#include "search/NDialogWhyUnreachable.h"
#include "search/NetworkSettingsChangeDialog.h"
#include "search/NoDeviceDialog.h"
#include "search/PingProbe.h"
#include "tests/support/FakeDialogRunner.h"
#include "tests/support/ScopedTestSettings.h"
#include "ui/NVornAbstractItem.h"

using namespace Common::Communication;

namespace {

quint32 ip(const char* text) { return QHostAddress(QString(text)).toIPv4Address(); }

// Answers every probe on the next turn of the event loop: the listed
// addresses are taken, the others free.
class FakeProbe : public IAddressProbe
{
public:
    QSet<quint32> taken;
    QVector<quint32> probed;
    bool fail = false;
    bool cancelled = false;

    void probe(quint32 address) override
    {
        probed.append(address);
        const int result = fail ? Failed : taken.contains(address) ? Taken : Free;
        QMetaObject::invokeMethod(
            this, [this, address, result] { emit IAddressProbe::probed(address, result); },
            Qt::QueuedConnection);
    }
    void cancel() override { cancelled = true; }
};

// A static module in client mode on 10.0.0.0/24 seen from a PC at
// 192.168.1.10/24.
DevNetworkInterface module()
{
    DevNetworkInterface s;
    s.setRoutingMode(2);
    s.setTransportProtocol(2);
    s.setHostIp(QHostAddress("192.168.1.10"));
    s.setHostNetmask(ip("255.255.255.0"));
    s.setDeviceIp(QHostAddress("10.0.0.7"));
    s.setRemoteIp(QHostAddress("10.0.0.1"));
    s.setNetmask(QHostAddress("255.255.0.0"));
    s.setPort(1001);
    s.setValid(true);
    return s;
}

#ifndef Q_OS_WIN
// Puts a stand-in "ping", a shell script of the given body, first on PATH
// while it lives: no echo request leaves the machine.
class FakePing
{
public:
    explicit FakePing(const QByteArray& body)
    {
        QFile script(m_dir.filePath("ping"));
        m_ready = script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + body) > 0;
        script.close();
        m_ready = m_ready && script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
    }
    ~FakePing() { qputenv("PATH", m_path); }
    bool ready() const { return m_ready; }

private:
    QTemporaryDir m_dir;
    const QByteArray m_path = qgetenv("PATH");
    bool m_ready = false;
};
#endif

QString text(NDialogWhyUnreachable& dialog, int name)
{
    Common::VornModel::NVornAbstractItem* item = dialog.newValueItem(name - 2);
    return item ? item->value().toString() : QString();
}

} // namespace

class TestSearchDialogs : public QObject
{
    Q_OBJECT

private slots:
    void noDeviceHelpOpensTutorialAtTheChosenPage()
    {
        FakeDialogRunner runner;
        int page = -1;
        runner.queueStep([&page](QDialog& tutorial) {
            tutorial.findChild<QComboBox*>("comboBox")->setCurrentIndex(2);
            page = tutorial.findChild<QStackedWidget*>("stackedWidget")->currentIndex();
            return int(QDialog::Accepted);
        });
        NoDeviceDialog dialog;
        dialog.show();
        dialog.findChild<QPushButton*>("helpButton")->click();
        QCOMPARE(runner.shown(), QStringList{"TutorialDialog"});
        QCOMPARE(page, 2);
        QVERIFY(dialog.isVisible());
        dialog.findChild<QPushButton*>("okButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void changeDialogNumbersStepsAndBlocksClosing()
    {
        Common::NetworkSettingsChangeDialog dialog;
        dialog.setStepResult(true, "ignored");
        QVERIFY(dialog.stepTexts().isEmpty());
        dialog.addStep("Changing device's network settings");
        dialog.setStepResult(false, "Command timed out");
        dialog.addStep("Trying to connect");
        dialog.setStepResult(false, QString());
        dialog.clearSteps();
        dialog.addStep("Third");
        dialog.setStepResult(true, QString());
        QCOMPARE(dialog.stepTexts(), QStringList{"3. Third - OK"});

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* close = dialog.findChild<QPushButton*>("closeButton");
        QVERIFY(!close->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        dialog.onCloseClicked();
        QVERIFY(dialog.isVisible());
        dialog.enableClose();
        QVERIFY(close->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void failedStepShowsItsDetails()
    {
        Common::NetworkSettingsChangeDialog dialog;
        dialog.addStep("Changing device's network settings");
        dialog.setStepResult(false, "Command timed out");
        dialog.addStep("Trying to connect");
        dialog.setStepResult(false, QString());
        QCOMPARE(dialog.stepTexts(),
                 QStringList({"1. Changing device's network settings - Fail - Command timed out",
                              "2. Trying to connect - Fail"}));
    }

    void unreachableRowsFollowTheReasons_data()
    {
        QTest::addColumn<QVector<int>>("reasons");
        QTest::addColumn<bool>("sameMasks");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("dhcpText");
        QTest::newRow("dhcp without address stops the walk")
            << QVector<int>{0, 6} << false << QList<int>{40, 10} << true;
        QTest::newRow("remote ip and protocol")
            << QVector<int>{5, 6} << false << QList<int>{20, 30} << false;
        QTest::newRow("static, other netmask")
            << QVector<int>{4} << false << QList<int>{50, 10} << false;
        QTest::newRow("static, same netmask") << QVector<int>{4} << true << QList<int>{10} << false;
        QTest::newRow("dhcp cannot reach the pc")
            << QVector<int>{3} << false << QList<int>{40, 50, 10} << true;
        QTest::newRow("outside the subnet, unknown code")
            << QVector<int>{2, 9} << false << QList<int>{10} << false;
    }
    void unreachableRowsFollowTheReasons()
    {
        QFETCH(QVector<int>, reasons);
        QFETCH(bool, sameMasks);
        QFETCH(QList<int>, rows);
        QFETCH(bool, dhcpText);
        DevNetworkInterface settings = module();
        if (sameMasks)
            settings.setNetmask(QHostAddress("255.255.255.0"));
        NDialogWhyUnreachable dialog;
        auto* probe = new FakeProbe;
        dialog.freeIpChecker()->setProbe(probe);
        dialog.fillRows(reasons, settings);
        QCOMPARE(dialog.rowIds(), rows);
        QCOMPARE(dialog.findChild<QLabel*>("label")->text().startsWith("It looks like"), dhcpText);
        // The sweep runs whatever the reasons.
        QCOMPARE(probe->probed.value(0), ip("192.168.1.2"));
    }

    void applyWaitsForAWholeAddressAndKeepsWhatWasTyped()
    {
        NDialogWhyUnreachable dialog;
        auto* probe = new FakeProbe;
        probe->taken = {ip("192.168.1.2"), ip("192.168.1.3")};
        dialog.freeIpChecker()->setProbe(probe);
        dialog.fillRows({4, 5, 6}, module());
        auto* apply = dialog.findChild<QPushButton*>("pbApply");
        QVERIFY(!apply->isEnabled());
        QTRY_COMPARE(text(dialog, 12), QString("192.168.1.4"));
        QVERIFY(apply->isEnabled());

        const DevNetworkInterface desired = dialog.newSettings();
        QCOMPARE(desired.deviceIp(), QHostAddress("192.168.1.4"));
        QCOMPARE(desired.netmask(), QHostAddress("255.255.255.0"));
        QCOMPARE(desired.remoteIp(), QHostAddress("192.168.1.10"));
        QCOMPARE(desired.transportProtocol(), 1);
        QCOMPARE(desired.port(), 1001);

        // A proposal arriving after the user typed is dropped.
        dialog.newValueItem(10)->setValue("192.168.1.77");
        dialog.onIpCheckerFinished(true, ip("192.168.1.5"));
        QCOMPARE(text(dialog, 12), QString("192.168.1.77"));
    }

    void staticChoiceGivesDhcpOff()
    {
        DevNetworkInterface settings = module();
        settings.setDhcp(true);
        NDialogWhyUnreachable dialog;
        dialog.freeIpChecker()->setProbe(new FakeProbe);
        dialog.fillRows({0}, settings);
        dialog.newValueItem(10)->setValue("192.168.1.20");
        QVERIFY(!dialog.newSettings().isDhcp());
        QCOMPARE(dialog.newSettings().deviceIp(), QHostAddress("192.168.1.20"));
        dialog.newValueItem(40)->setValue(1);
        QVERIFY(dialog.newSettings().isDhcp());
    }

    void checkerSweepsTheSubnet()
    {
        FreeIpChecker checker;
        auto* probe = new FakeProbe;
        checker.setProbe(probe);
        QSignalSpy finished(&checker, &FreeIpChecker::finished);
        checker.setHostIp(ip("192.168.1.10"));
        checker.setNetmask(ip("255.255.255.248"));
        // 192.168.1.8/29: candidates .10 to .13, all taken.
        probe->taken = {ip("192.168.1.10"), ip("192.168.1.11"), ip("192.168.1.12"),
                        ip("192.168.1.13")};
        QVERIFY(checker.start());
        QVERIFY(!checker.start());
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0), (QVariantList{false, 0u}));
        QCOMPARE(probe->probed.size(), 4);
        QVERIFY(!checker.isRunning());

        probe->fail = true;
        QVERIFY(checker.start());
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(finished.at(1), (QVariantList{false, 0u}));

        // No subnet to sweep: nothing leaves for addresses outside the PC's network.
        probe->probed.clear();
        checker.setNetmask(0);
        QVERIFY(!checker.start());
        checker.setNetmask(ip("255.255.255.252"));
        QVERIFY(!checker.start());
        checker.setNetmask(ip("255.255.255.0"));
        checker.setHostIp(0);
        QVERIFY(!checker.start());
        QVERIFY(probe->probed.isEmpty());
    }

    void closingTheDialogStopsTheSweep()
    {
        NDialogWhyUnreachable dialog;
        auto* probe = new FakeProbe;
        probe->taken = {ip("192.168.1.2")};
        dialog.freeIpChecker()->setProbe(probe);
        dialog.fillRows({2}, module());
        dialog.reject();
        QVERIFY(probe->cancelled);
        QVERIFY(!dialog.freeIpChecker()->isRunning());
        QTest::qWait(0);
        QCOMPARE(probe->probed.size(), 1);
    }

#ifndef Q_OS_WIN
    // Exit 0 is a reply and 1 no reply; 2 (no permission, no route) or a
    // crash says nothing of the address and must not offer it as free.
    void pingCountsOnlyNoReplyAsFree()
    {
        FakePing ping("case \"$5\" in 127.0.0.2) exit 0 ;; 127.0.0.3) exit 1 ;;"
                      " 127.0.0.4) kill -9 $$ ;; esac\nexit 2\n");
        QVERIFY(ping.ready());
        PingProbe probe;
        QSignalSpy probed(&probe, &IAddressProbe::probed);
        const QVector<QPair<quint32, int>> expected{{ip("127.0.0.2"), IAddressProbe::Taken},
                                                    {ip("127.0.0.3"), IAddressProbe::Free},
                                                    {ip("127.0.0.4"), IAddressProbe::Failed},
                                                    {ip("127.0.0.5"), IAddressProbe::Failed}};
        for (const auto& [address, result] : expected) {
            probe.probe(address);
            QVERIFY(probed.wait(5000));
            QCOMPARE(probed.last(), (QVariantList{address, result}));
        }
    }

    // Through real processes: the stand-in ping answers for 127.0.0.2 and .3,
    // so each answer starts the next probe from within the finished process's
    // own signal.
    void pingSweepGoesFromProcessToProcess()
    {
        FakePing ping("case \"$5\" in 127.0.0.2|127.0.0.3) exit 0 ;; esac\nexit 1\n");
        QVERIFY(ping.ready());

        FreeIpChecker checker;
        checker.setProbe(new PingProbe);
        QSignalSpy finished(&checker, &FreeIpChecker::finished);
        checker.setHostIp(ip("127.0.0.1"));
        checker.setNetmask(ip("255.255.255.248"));
        QVERIFY(checker.start());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0), (QVariantList{true, ip("127.0.0.4")}));
    }
#endif

    void directTargetIsRemembered()
    {
        ScopedTestSettings settings;
        {
            DirectConnectionWidget widget;
            QCOMPARE(widget.ip(), QString());
            QCOMPARE(widget.port(), 1001);
            widget.findChild<QLineEdit*>("ipLineEdit")->setText("10.0.0");
            widget.findChild<QSpinBox*>("portLine")->setValue(70000);
        }
        QCOMPARE(QSettings().value("Direct Connection/IP").toString(), QString("10.0.0"));
        {
            // An unfinished address is not shown again; the port still is.
            DirectConnectionWidget widget;
            QCOMPARE(widget.ip(), QString());
            QCOMPARE(widget.port(), 65535);
        }
        QSettings().setValue("Direct Connection/IP", "10.1.2.3");
        DirectConnectionWidget widget;
        QCOMPARE(widget.ip(), QString("10.1.2.3"));
    }
};

QTEST_MAIN(TestSearchDialogs)
#include "tst_searchdialogs.moc"
