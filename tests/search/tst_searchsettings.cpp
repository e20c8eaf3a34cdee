#include "search/SearchModeFlags.h"
#include "search/SearchParameters.h"
#include "search/SearchSettings.h"
#include "tests/support/FakeDialogRunner.h"
#include "tests/support/ScopedTestSettings.h"
#include "ui/DialogRunner.h"
#include "ui/IMessageBoxesSearchSettings.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

struct RecordedBoxes : public Common::IMessageBoxesSearchSettings
{
    void showNoBaudRate() override { shown << "rate"; }
    void showNoSearchMode() override { shown << "mode"; }
    QStringList shown;
};

const QVector<int> productRates{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

QString stored(const char* group, const char* key)
{
    return QSettings().value(QLatin1String(group) + '/' + QLatin1String(key)).toString();
}

void store(const char* group, const char* key, const QString& value)
{
    QSettings().setValue(QLatin1String(group) + '/' + QLatin1String(key), value);
}

// Ticks exactly the given rates in the dialog's list.
void tickRates(QDialog& dialog, const QVector<int>& rates)
{
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("baudListWidget"));
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setCheckState(rates.contains(item->text().toInt()) ? Qt::Checked : Qt::Unchecked);
    }
}

void click(QDialog& dialog, const char* button)
{
    dialog.findChild<QPushButton*>(QLatin1String(button))->click();
}

} // namespace

class TestSearchSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings.clear(); }

    void savedRates()
    {
        SearchParameters parameters;
        parameters.setSelectableBaudRates(productRates);
        parameters.loadSearchBaudrates();
        QCOMPARE(parameters.savedSearchBaudRates(), productRates);

        store("SearchBaudrates", "values", QStringLiteral("19200;x;;4800;"));
        parameters.loadSearchBaudrates();
        QCOMPARE(parameters.savedSearchBaudRates(), QVector<int>({4800, 19200}));

        parameters.saveSearchBaudrates({19200, 4800});
        QCOMPARE(stored("SearchBaudrates", "values"), QStringLiteral("19200;4800;"));
        QCOMPARE(parameters.savedSearchBaudRates(), QVector<int>({4800, 19200}));
    }

    void modes()
    {
        SearchModeFlags modes;
        store("SearchModes", "modes", QStringLiteral("Serial;"));
        modes.loadSearchModes();
        QVERIFY(modes.serial() && !modes.network());

        store("SearchModes", "modes", QStringLiteral("serial;"));
        modes.loadSearchModes();
        QVERIFY(modes.serial() && modes.network());

        modes.saveSearchModes(true, false);
        QCOMPARE(stored("SearchModes", "modes"), QStringLiteral("Network;"));
        modes.saveSearchModes(false, false);
        QCOMPARE(stored("SearchModes", "modes"), QString());
        QVERIFY(modes.serial() && modes.network());
    }

    void dialogSavesTheChoiceThroughTheRunner()
    {
        SearchParameters parameters;
        parameters.setSelectableBaudRates(productRates);
        parameters.loadSearchBaudrates();
        SearchModeFlags modes;
        modes.saveSearchModes(false, true);
        RecordedBoxes boxes;
        SearchSettings dialog(&boxes, &parameters, &modes, true);
        QCOMPARE(dialog.objectName(), QStringLiteral("SearchSettings"));
        QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("serialPortCheckBox"))->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("networkCheckBox"))->isChecked());

        FakeDialogRunner runner;
        runner.queueStep([](QDialog& shown) {
            tickRates(shown, {4800, 19200});
            shown.findChild<QCheckBox*>(QStringLiteral("networkCheckBox"))->setChecked(true);
            click(shown, "saveButton");
            return shown.result();
        });
        QCOMPARE(DialogRunner::run(dialog), int(QDialog::Accepted));
        QCOMPARE(runner.shown(), QStringList{"SearchSettings"});
        QCOMPARE(stored("SearchBaudrates", "values"), QStringLiteral("4800;19200;"));
        QCOMPARE(stored("SearchModes", "modes"), QStringLiteral("Network;Serial;"));
        QVERIFY(boxes.shown.isEmpty());
    }

    void dialogRefusesAnEmptyChoice()
    {
        SearchParameters parameters;
        parameters.loadSearchBaudrates();
        SearchModeFlags modes;
        modes.loadSearchModes();
        RecordedBoxes boxes;
        SearchSettings dialog(&boxes, &parameters, &modes, true);
        QSignalSpy closed(&dialog, &QDialog::finished);

        tickRates(dialog, {});
        click(dialog, "saveButton");
        tickRates(dialog, {9600});
        dialog.findChild<QCheckBox*>(QStringLiteral("networkCheckBox"))->setChecked(false);
        dialog.findChild<QCheckBox*>(QStringLiteral("serialPortCheckBox"))->setChecked(false);
        click(dialog, "saveButton");
        QCOMPARE(boxes.shown, QStringList({"rate", "mode"}));
        QCOMPARE(closed.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("SearchBaudrates/values")));
        QVERIFY(!QSettings().contains(QStringLiteral("SearchModes/modes")));
    }

    void hiddenModesAreKept()
    {
        SearchParameters parameters;
        parameters.loadSearchBaudrates();
        SearchModeFlags modes;
        store("SearchModes", "modes", QStringLiteral("Serial;"));
        modes.loadSearchModes();
        RecordedBoxes boxes;
        SearchSettings dialog(&boxes, &parameters, &modes, false);
        QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("networkCheckBox"))->isHidden());
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("modesLabel"))->isHidden());
        click(dialog, "saveButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored("SearchModes", "modes"), QStringLiteral("Serial;"));
        QVERIFY(modes.serial() && !modes.network());
    }

private:
    ScopedTestSettings m_settings;
};

QTEST_MAIN(TestSearchSettings)
#include "tst_searchsettings.moc"
