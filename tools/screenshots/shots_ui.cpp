// The user-interface building blocks: property table, value dialogs and their
// setting rows, the about dialog.
#include "ShotRegistry.h"

#include "app/AboutDialog.h"
#include "tests/support/FakeTranslationProvider.h"
#include "ui/DateDialog.h"
#include "ui/DateWidgetWrapper.h"
#include "ui/ExtendedLineDialog.h"
#include "ui/HotKeyButton.h"
#include "ui/NVornHotkeyItem.h"
#include "ui/NVornIPLineItem.h"
#include "ui/NVornLineItem.h"
#include "ui/NVornListItem.h"
#include "ui/NVornModelView.h"
#include "ui/SettingWidget.h"
#include "ui/TextWidgetWrapper.h"
#include "ui/TimeComboBoxDialog.h"
#include "ui/TimeWidgetWrapper.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace Common::VornModel;
using namespace Common::Widgets;

namespace {

void clickValueCell(NVornModelView& view, int row)
{
    const QModelIndex index = view.model()->index(row, 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
}

template <typename Wrapper, typename Editor>
Wrapper* wrap(Editor* editor)
{
    auto* wrapper = new Wrapper;
    wrapper->setWidget(editor);
    return wrapper;
}

} // namespace

SORVANA_SHOT(propertytable)
{
    QWidget window;
    NVornModelView view(&window);
    view.addTitle("Network module");
    view.addItem("Device IP", new NVornIPLineItem(1, "192.168.1.20"));
    view.addItem("Netmask", new NVornIPLineItem(2, "255.255.255.0", true));
    view.addItem("Protocol", new NVornListItem(3, QStringList{"TCP", "UDP"}, 0));
    view.addTitle("Hot keys");
    view.addItem("Show search page", new NVornHotkeyItem(4));
    view.addItem("Comment", new NVornLineItem(5, "Laboratory 2"));
    view.disableItem(5);
    window.resize(320, view.sizeHint().height() + 40);
    view.setGeometry(10, 10, 300, view.sizeHint().height());
    ShotCamera::show(&window);
    view.setValue(4, QStringLiteral("Ctrl+F1"));
    clickValueCell(view, 3); // the protocol's list open
    camera.take(&window, "propertytable");

    // The key-combination editor while it waits for a key.
    view.setCurrentIndex(view.model()->index(0, 0));
    ShotCamera::settle();
    clickValueCell(view, 5);
    camera.take(&window, "propertytable-hotkey");
}

SORVANA_SHOT(valuedialogs)
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* textRow = new SettingWidget;
    textRow->setWrapper(wrap<TextWidgetWrapper>(new QLineEdit));
    auto* timeRow = new SettingWidget;
    auto* timeEdit = new QTimeEdit;
    timeEdit->setDisplayFormat("hh:mm:ss");
    timeRow->setWrapper(wrap<TimeWidgetWrapper>(timeEdit));
    auto* dateRow = new SettingWidget;
    dateRow->setWrapper(wrap<DateWidgetWrapper>(new QDateEdit));
    ExtendedLineDialog textDialog;
    TimeComboBoxDialog timeDialog(true);
    DateDialog dateDialog;
    textRow->setDialog(&textDialog);
    timeRow->setDialog(&timeDialog);
    dateRow->setDialog(&dateDialog);
    textRow->setValue(QStringLiteral("Wheat flour, batch 12"));
    timeRow->setValue(QTime(14, 5, 30));
    dateRow->setValue(QDate(2024, 3, 5));
    dateRow->setEnabled(false);
    layout->addWidget(textRow);
    layout->addWidget(timeRow);
    layout->addWidget(dateRow);
    form.resize(300, 120);
    camera.take(&form, "settingrows");

    textDialog.setValue(QStringLiteral("Wheat flour, batch 12"));
    camera.take(&textDialog, "textdialog");
    timeDialog.setValue(QTime(14, 5, 30));
    camera.take(&timeDialog, "timedialog");
    dateDialog.setValue(QDate(2024, 3, 5));
    camera.take(&dateDialog, "datedialog");
}

SORVANA_SHOT(aboutdialog)
{
    FakeTranslationProvider provider;
    provider.setText(0, "Moisture analyzer software for the Brenko laboratory balances.");
    QSettings().setValue("Version", "24.04.12");
    Common::AboutDialog dialog(TranslationHandle(&provider, 0));
    camera.take(&dialog, "aboutdialog");
}
