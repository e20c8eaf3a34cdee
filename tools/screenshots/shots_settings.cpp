// The drying-settings page with stored sets, a connected (simulated) analyzer
// and two filter rows switched on.
#include "ShotRegistry.h"

#include "analyzer/HLDryerController.h"
#include "settings/AbstractFilter.h"
#include "settings/CTabDryingSettings.h"
#include "settings/DryerDB.h"
#include "settings/DryingSettingsTrProvider.h"
#include "settings/FilterWidget.h"
#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "ui/MessageBoxContext.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

void storeSamples()
{
    const char* const names[] = {"Wheat flour",  "Rice 5%", "Milk powder", "Pasta (durum)",
                                 "Coffee beans", "Sugar",   "Corn_grits",  "Soy meal"};
    for (int i = 0; i < 8; ++i) {
        DryingSettings s = i % 2 ? stepSettings() : fastSettings();
        s.setDryingProfile(DryingProfile::fromDeviceValue(i % 5));
        s.setMainTemperature(80 + 10 * i);
        s.setCalcFormula(CalcFormula::fromIndex(i % 3));
        s.setWorkMode(WorkMode::fromDeviceValue(i % 2));
        s.setDryingTime(QTime(0, 5 + 3 * i, 0));
        DryerDB::saveSetting(QLatin1String(names[i]), s);
    }
}

} // namespace

SORVANA_SHOT(settingspage)
{
    ConnectedRig rig;
    rig.setDeviceSettings(fastSettings());
    if (!rig.connectAnalyzer())
        return;
    storeSamples();
    MessageBoxContext context{QStringLiteral("Sorvana"), nullptr};
    CTabDryingSettings page(new DryingSettingsTrProvider, rig.controller(), &context);
    QObject::connect(rig.controller(), &KD::HLDryerController::error, &page,
                     &CTabDryingSettings::onDCError, Qt::QueuedConnection);
    QObject::connect(rig.controller(), &KD::HLDryerController::ready, &page,
                     &CTabDryingSettings::onReady, Qt::QueuedConnection);
    page.resize(1200, 780);
    // The main window shows the selector button in its own bar.
    page.selectorButton()->hide();
    ShotCamera::show(&page);
    // The device side shows the analyzer's parameters once its read has ended.
    const bool read = QTest::qWaitFor([&page] {
        return page.findChild<QComboBox*>(QStringLiteral("memorySlotComboBox"))->isEnabled();
    });
    if (!read)
        return;
    camera.take(&page, QStringLiteral("settingspage"));

    auto* bar = page.findChild<FilterWidget*>();
    auto* list = bar->filtersDialog()->findChild<QListWidget*>();
    list->item(0)->setCheckState(Qt::Checked);
    list->item(1)->setCheckState(Qt::Checked);
    bar->filtersDialog()->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
    bar->rows().at(0)->findChild<QComboBox*>()->setCurrentIndex(2);
    bar->rows().at(0)->findChild<QLineEdit*>()->setText(QStringLiteral("o"));
    bar->rows().at(1)->findChildren<QDoubleSpinBox*>().at(0)->setValue(90);
    camera.take(&page, QStringLiteral("settingspage-filtered"));

    camera.take(bar->filtersDialog(), QStringLiteral("settingspage-filterdialog"));
}
