// The status bar: the connection-state text for every connection event, the
// device labels only while connected, the controller's state text, and a
// language switch that re-reads the state text alone.
#include <QLabel>
#include <QStatusBar>
#include <QTranslator>
#include <QtTest>

#include "resources/Resources.h"
#include "ui/StatusBarHandler.h"

using Common::StatusBarHandler;
using Common::Communication::DeviceConnectionInfo;

namespace {

DeviceConnectionInfo analyzer()
{
    DeviceConnectionInfo info;
    info.deviceInfo.model = "MA 110";
    info.deviceInfo.serialNumber = "SN-4711";
    Common::Communication::SerialConnectionPart serial;
    serial.portName = "ttyUSB0";
    serial.description = "USB serial";
    serial.baudRate = 115200;
    info.connectionInfo.setSerialPart(serial);
    return info;
}

} // namespace

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    void init()
    {
        m_bar.reset(new QStatusBar);
        m_handler.reset(new StatusBarHandler);
        m_handler->install(m_bar.data());
        m_labels = m_bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    }

    void installAddsFiveLabels()
    {
        QCOMPARE(m_labels.size(), 5);
        QCOMPARE(texts(), (QStringList{"DISCONNECTED", "", "", "", ""}));
        for (QLabel* label : qAsConst(m_labels)) {
            QCOMPARE(label->font().pointSize(), 9);
            QVERIFY(label->alignment() & Qt::AlignLeft);
        }
    }

    void eventTexts_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QStringList>("expected");
        const DeviceConnectionInfo info = analyzer();
        QTest::newRow("connected")
            << 0
            << QStringList{"CONNECTED", "MA 110", "SN-4711", info.connectionInfo.toDisplayString()};
        QTest::newRow("connecting") << 1 << QStringList{"CONNECTING", "", "", ""};
        QTest::newRow("disconnected") << 2 << QStringList{"DISCONNECTED", "", "", ""};
        QTest::newRow("listening") << 3 << QStringList{"LISTENNING", "", "", ""};
        QTest::newRow("attempt failed") << 4 << QStringList{"DISCONNECTED", "", "", ""};
        QTest::newRow("unknown") << 17 << QStringList{"DISCONNECTED", "", "", ""};
    }

    // Each event follows a connected one, so clearing the device labels counts.
    void eventTexts()
    {
        QFETCH(int, event);
        QFETCH(QStringList, expected);
        m_handler->setStateText("Ready");
        m_handler->onConnectionStateChanged(0, analyzer());
        QVERIFY(!texts().at(3).isEmpty());
        m_handler->onConnectionStateChanged(event, analyzer());
        QCOMPARE(texts().mid(0, 4), expected);
        QCOMPARE(texts().at(4), QString("Ready"));
    }

    void languageSwitchRereadsTheStateOnly()
    {
        m_handler->onConnectionStateChanged(0, analyzer());
        m_handler->setStateText("Ready");
        const QStringList before = texts();

        QTranslator polish;
        QVERIFY(polish.load(":/i18n/polish.qm"));
        QCoreApplication::installTranslator(&polish);
        m_handler->retranslate();
        QCOMPARE(texts().at(0), QString::fromUtf8("POŁĄCZONO"));
        QCOMPARE(texts().mid(1), before.mid(1));
        QCoreApplication::removeTranslator(&polish);

        QTranslator english;
        QVERIFY(english.load(":/i18n/english.qm"));
        QCoreApplication::installTranslator(&english);
        m_handler->onConnectionStateChanged(3, analyzer());
        QCOMPARE(texts().at(0), QString("LISTENING"));
        QCoreApplication::removeTranslator(&english);
    }

    // Events may come before the window exists, or after it is gone.
    void withoutLabelsNothingBreaks()
    {
        StatusBarHandler early;
        early.onConnectionStateChanged(0, analyzer());
        early.setStateText("Ready");
        early.retranslate();

        m_bar.reset();
        m_handler->onConnectionStateChanged(1, analyzer());
        m_handler->setStateText("Ready");
    }

private:
    QStringList texts() const
    {
        QStringList result;
        for (QLabel* label : m_labels)
            result << label->text();
        return result;
    }

    QScopedPointer<QStatusBar> m_bar;
    QScopedPointer<StatusBarHandler> m_handler;
    QList<QLabel*> m_labels;
};

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
