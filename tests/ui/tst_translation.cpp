#include "ui/IStateTextRequestable.h"
#include "ui/ITranslationProvider.h"
#include "ui/LanguageSwitch.h"
#include "ui/MessageBoxTrProvider.h"
#include "ui/Retranslator.h"
#include "ui/StateTextRetranslator.h"
#include "ui/TranslationHandle.h"
#include "ui/TranslationListGetter.h"

#include "resources/Resources.h"
#include "tests/support/ScopedTestSettings.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

// A provider whose texts can be changed, as a language switch would.
class FakeProvider : public ITranslationProvider
{
public:
    QString text(int id) const override { return texts.value(id); }
    QMap<int, QString> texts;
};

class Recorder : public Common::IRetranslatable
{
public:
    Recorder(QStringList* log, QString name) : m_log(log), m_name(std::move(name)) { }
    void retranslate() override { m_log->append(m_name); }

private:
    QStringList* m_log;
    QString m_name;
};

class StateSource : public Common::IStateTextRequestable
{
public:
    void requestStateText() override { ++requests; }
    int requests = 0;
};

QString yesText() { return Common::MessageBoxTrProvider().text(Common::MessageBoxTrProvider::Yes); }

class LanguageChangeCounter : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    void init()
    {
        m_settings.clear();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void handlesFollowTheProvider()
    {
        FakeProvider provider;
        provider.texts = {{0, "Yes"}, {1, "No"}};

        QCOMPARE(TranslationHandle().text(), QString());
        TranslationHandle unknown(&provider, 7);
        QCOMPARE(unknown.text(), QString());

        TranslationListGetter list({TranslationHandle(&provider, 1), TranslationHandle(),
                                    TranslationHandle(&provider, 0)});
        QCOMPARE(list.getList(), QStringList({"No", "", "Yes"}));
        provider.texts = {{0, "Tak"}, {1, "Nie"}};
        QCOMPARE(list.getList(), QStringList({"Nie", "", "Tak"}));
        QVERIFY(TranslationListGetter().getList().isEmpty());
    }

    void retranslatorRunsEveryObjectInOrder()
    {
        QStringList log;
        Recorder first(&log, "status bar");
        Recorder second(&log, "state text");
        Common::Retranslator retranslator;
        Common::IRetranslator& registry = retranslator;
        registry.add(&first);
        registry.add(&second);
        registry.add(&first);

        retranslator.retranslate();
        QCOMPARE(log, QStringList({"status bar", "state text", "status bar"}));

        StateSource source;
        Common::StateTextRetranslator stateText(&source);
        stateText.retranslate();
        QCOMPARE(source.requests, 1);
    }

    void startupLanguage_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QByteArray>("installFile");
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<QString>("expected");

        const QVariant none;
        const QByteArray noFile;
        QTest::newRow("stored polish wins")
            << QVariant("polish") << QByteArray("english\n") << QLocale::English << "polish";
        QTest::newRow("stored english wins")
            << QVariant("english") << QByteArray("polish") << QLocale::Polish << "english";
        QTest::newRow("capitalised name ignored")
            << QVariant("Polish") << noFile << QLocale::German << "english";
        QTest::newRow("install file with CR LF")
            << none << QByteArray("polish\r\nenglish\r\n") << QLocale::English << "polish";
        QTest::newRow("install file with spaces")
            << QVariant("klingon") << QByteArray("  polish \t\n") << QLocale::English << "polish";
        QTest::newRow("install file case-sensitive")
            << none << QByteArray("POLISH") << QLocale::English << "english";
        QTest::newRow("unknown install file, polish system")
            << none << QByteArray("german") << QLocale::Polish << "polish";
        QTest::newRow("german system") << none << noFile << QLocale::German << "english";
        QTest::newRow("polish system") << none << noFile << QLocale::Polish << "polish";
    }

    void startupLanguage()
    {
        QFETCH(QVariant, stored);
        QFETCH(QByteArray, installFile);
        QFETCH(QLocale::Language, system);
        QFETCH(QString, expected);

        if (stored.isValid())
            QSettings().setValue("Translation", stored);
        QTemporaryDir installDir;
        if (!installFile.isNull()) {
            QFile file(installDir.filePath("InstallLang.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(installFile);
        }
        QLocale::setDefault(QLocale(system));

        QCOMPARE(selectStartupLanguage(installDir.path()), expected);
        QCOMPARE(QSettings().value("Translation").toString(), expected);
        QCOMPARE(yesText(), QString(expected == "polish" ? "Tak" : "Yes"));
    }

    void switchEnglishPolishEnglish()
    {
        QSettings().setValue("Translation", "english");
        QCOMPARE(selectStartupLanguage(QString()), QString("english"));
        QCOMPARE(yesText(), QString("Yes"));

        QSettings().setValue("Translation", "polish");
        reloadTranslation();
        QCOMPARE(yesText(), QString("Tak"));
        QCOMPARE(QLocale().language(), QLocale::Polish);

        QSettings().setValue("Translation", "english");
        reloadTranslation();
        QCOMPARE(yesText(), QString("Yes"));
        QCOMPARE(QLocale().language(), QLocale::English);
    }

    void widgetsHearTheSwitch()
    {
        LanguageChangeCounter widget;
        QSettings().setValue("Translation", "polish");
        reloadTranslation();
        QTRY_COMPARE(widget.changes, 1);
    }

    // A name without a catalogue adds an empty translator: texts stay as they were.
    void unknownNameKeepsTheCurrentTexts()
    {
        QSettings().setValue("Translation", "polish");
        reloadTranslation();
        QSettings().setValue("Translation", "klingon");
        reloadTranslation();
        QCOMPARE(yesText(), QString("Tak"));
    }

    void switchWithoutStoredNameUsesTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Polish));
        reloadTranslation();
        QCOMPARE(QSettings().value("Translation").toString(), QString("polish"));
        QCOMPARE(QLocale().language(), QLocale::Polish);

        QSettings().setValue("Translation", "english");
        reloadTranslation();
        QCOMPARE(QLocale().language(), QLocale::English);
    }

private:
    ScopedTestSettings m_settings;
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
