// The built program as a user starts it, with its own home folder: it comes
// up, writes its files, and ends as asked, with the exit code of the case;
// also when one of its threads is stuck at shut-down.
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramProcess : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home.reset(new QTemporaryDir);
        QVERIFY(m_home->isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home->path());
        env.insert("XDG_CONFIG_HOME", m_home->filePath("config"));
        env.insert("XDG_DATA_HOME", m_home->filePath("data"));
        env.insert("XDG_CACHE_HOME", m_home->filePath("cache"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    void cleanup()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    void comesUpWritesItsFilesAndEndsWithZeroWhenToldToClose()
    {
        m_process.start(QString(SORVANA_EXECUTABLE), QStringList());
        QVERIFY(m_process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(m_home->filePath("data/Brenko/Brenko Sorvana/mainDB.db")), 30000);
        m_process.terminate();
        QVERIFY(m_process.waitForFinished(30000));
        QCOMPARE(m_process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_process.exitCode(), 0);

        QSettings settings(m_home->filePath("config/Brenko/Brenko Sorvana.conf"),
                           QSettings::IniFormat);
        QCOMPARE(settings.value("Version").toString(), QString("24.04.12"));
        // Closed as the user closes it: the window kept its geometry.
        QVERIFY(!settings.value("guiSettings/mainGeometry").toByteArray().isEmpty());
    }

    void databaseThatCannotBePreparedEndsWithOne()
    {
        // A file where the data folder should be.
        QVERIFY(QDir(m_home->path()).mkpath("data"));
        QFile blocker(m_home->filePath("data/Brenko"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        m_process.start(QString(SORVANA_EXECUTABLE), QStringList());
        QVERIFY(m_process.waitForStarted());
        // The warning is up once the start has written its settings.
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(m_home->filePath("config/Brenko/Brenko Sorvana.conf")), 30000);
        m_process.terminate();
        QVERIFY(m_process.waitForFinished(30000));
        QCOMPARE(m_process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_process.exitCode(), 1);
        QVERIFY(!QFile::exists(m_home->filePath("data/Brenko/Brenko Sorvana/mainDB.db")));
    }

    // A thread stuck in a call at shut-down is named and left running, and
    // the process ends with the code it would have had, the settings written
    // and nothing destroyed under the thread: let go after the shut-down, it
    // resumes on live objects (a use of a freed one fails the sanitizer run).
    void threadStuckAtShutDownResumesOnLiveObjects_data()
    {
        QTest::addColumn<QString>("thread");
        QTest::addColumn<QString>("warning");
        QTest::newRow("communication") << "communication" << "^The communication thread";
        QTest::newRow("serial search") << "serial-search"
                                       << "^The search on serial port /dev/pts/\\d+";
    }

    void threadStuckAtShutDownResumesOnLiveObjects()
    {
        QFETCH(QString, thread);
        QFETCH(QString, warning);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QString(STUCK_THREAD_PROGRAM), {thread, "7"});
        QVERIFY(m_process.waitForStarted());
        QVERIFY(m_process.waitForFinished(120000));
        const QString out = m_process.readAllStandardOutput();
        const QString err = m_process.readAllStandardError();
        QVERIFY2(m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 7,
                 qPrintable(QString::number(m_process.exitCode()) + '\n' + err));
        const QRegularExpression named(
            warning + " did not end in time at shut-down and is left running$",
            QRegularExpression::MultilineOption);
        QVERIFY2(err.contains(named), qPrintable(err));
        QCOMPARE(out, QString("resumed\n"));

        QSettings settings(m_home->filePath("config/Brenko/Brenko Sorvana.conf"),
                           QSettings::IniFormat);
        QCOMPARE(settings.value("TERMINAL_COMMANDS/0").toString(), QString("ST"));
        QVERIFY(settings.contains("Direct Connection/Port"));
    }

private:
    QScopedPointer<QTemporaryDir> m_home;
    QProcess m_process;
};

QTEST_MAIN(TestProgramProcess)
#include "tst_programprocess.moc"
