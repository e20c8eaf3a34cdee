// The about dialog: its rich text in order, the version from the settings,
// only the libraries the program really uses, the logo and the OK button.
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

#include "app/AboutDialog.h"
#include "resources/Resources.h"
#include "tests/support/FakeTranslationProvider.h"
#include "tests/support/ScopedTestSettings.h"

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        m_provider.setText(
            0, "Sorvana is a program created to cooperate with Brenko Moisture Analyzers.");
    }

    void linkBuilders()
    {
        QCOMPARE(Common::htmlLink("https://example.org"),
                 QString("<a href=\"https://example.org\">https://example.org</a>"));
        QCOMPARE(Common::htmlMailLink("lab@example.org"),
                 QString("<a href=\"mailto:lab@example.org\">lab@example.org</a>"));
    }

    void infoTextInOrder()
    {
        ScopedTestSettings settings;
        QSettings().setValue("Version", "24.04.12");
        Common::AboutDialog dialog(TranslationHandle(&m_provider, 0));
        QCOMPARE(dialog.windowTitle(), QString("About Brenko Sorvana"));
        const QString text = dialog.infoText();
        const QStringList parts = {
            "<b><big>About Brenko Sorvana</big></b>",
            "<br><br>Version 24.04.12",
            "<br><br>Sorvana is a program created to cooperate with Brenko Moisture Analyzers.",
            "<br><br>Brenko Sorvana is based in part on the work of the Qwt project:<br><a href=",
            "<br><br>Brenko Sorvana uses Qt under LGPLv3 license:<br><tt>{Install Location}/licenses/Qt_license.txt</tt>",
            "<br><br>More information about Qt:<br><tt>About > About Qt</tt>",
            "<br><hr>",
        };
        int from = 0;
        for (const QString& part : parts) {
            const int at = text.indexOf(part, from);
            QVERIFY2(at >= from, qPrintable(part));
            from = at + part.size();
        }
        QVERIFY(text.endsWith("<br><hr>"));
        // The program makes its reports itself; no report library is named.
        QVERIFY(!text.contains("LimeReport"));
    }

    void missingVersionLeavesItEmpty()
    {
        ScopedTestSettings settings;
        Common::AboutDialog dialog(TranslationHandle(&m_provider, 0));
        QVERIFY(dialog.infoText().contains("<br><br>Version <br><br>"));
    }

    void lookAndOk()
    {
        ScopedTestSettings settings;
        Common::AboutDialog dialog(TranslationHandle(&m_provider, 0));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.palette().color(QPalette::Inactive, QPalette::Window), QColor(Qt::white));
        QVERIFY(dialog.autoFillBackground());

        auto* info = dialog.findChild<QLabel*>("labelInfo");
        QVERIFY(info->openExternalLinks());
        QCOMPARE(info->font().pointSize(), 9);
        QVERIFY(dialog.findChild<QWidget*>("sideColumn")->isHidden());
        auto* logo = dialog.findChild<QLabel*>("labelLogoBottom");
        const QPixmap pixmap = logo->pixmap(Qt::ReturnByValue);
        QVERIFY(!pixmap.isNull());
        const QSize logoSize = pixmap.size() / pixmap.devicePixelRatio();
        QVERIFY(logoSize.width() <= 100 && logoSize.height() <= 100);
        QVERIFY(logoSize.width() == 100 || logoSize.height() == 100);

        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.findChild<QPushButton*>("okButton")->click();
        QCOMPARE(accepted.count(), 1);
    }

    void polishTexts()
    {
        ScopedTestSettings settings;
        QTranslator polish;
        QVERIFY(polish.load(":/i18n/polish.qm"));
        QCoreApplication::installTranslator(&polish);
        Common::AboutDialog dialog(TranslationHandle(&m_provider, 0));
        QCOMPARE(dialog.windowTitle(), QString("Informacje o Brenko Sorvana"));
        QVERIFY(dialog.infoText().contains("Wersja"));
        QCOMPARE(dialog.findChild<QPushButton*>("okButton")->text(), QString("OK"));
        QCoreApplication::removeTranslator(&polish);
    }

private:
    FakeTranslationProvider m_provider;
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
