// The terminal page with a log of an identification and a few readings,
// in both views, with filter rows open, and the column dialogs.
#include "ShotRegistry.h"

#include "terminal/AbstractFilterWidget.h"
#include "terminal/FilterWidgetNew.h"
#include "terminal/LogModelHandler.h"
#include "terminal/Logger.h"
#include "terminal/NTabTerminal.h"
#include "terminal/TabTerminalTrProvider.h"
#include "terminal/TerminalCommandMenu.h"
#include "ui/GuiIconAction.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesTerminal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void fillLog(Common::Communication::Logger& logger)
{
    const QString port = QStringLiteral("/dev/ttyUSB0 (9600,8N1)");
    QDateTime when(QDate::currentDate(), QTime(10, 41, 7, 120));
    auto next = [&when](int ms) { return when = when.addMSecs(ms); };
    logger.sent(port, next(0), "SJ\r\n");
    logger.received(port, next(40), "MJ\r\n");
    logger.sent(port, next(300), "SW9\r\n");
    logger.received(port, next(60), "WAG-50\r\nSN 00");
    logger.received(port, next(5), "123 X7\r\n2024-04-12\r\nv2.07\r\n");
    logger.received(port, next(5), "--\r\n--\r\n");
    logger.sent(port, next(2000), "Sx6\r\n");
    logger.received(port, next(80), "SS0\r\n120\r\n0\r\n0\r\n5s\r\n12.503 g\r\n");
    for (int i = 1; i <= 14; ++i)
        logger.received(port, next(5000),
                        QStringLiteral("%1 g\r\n").arg(12.503 - i * 0.011, 0, 'f', 3));
    logger.sent(port, next(900), "Sx7\r\n");
    logger.received(port, next(60), "SK0\r\n");
}

} // namespace

SORVANA_SHOT(terminal)
{
    Common::Communication::Logger logger;
    Common::LogModelHandler handler;
    handler.setLogFetcher(&logger);
    MessageBoxContext context;
    Common::MessageBoxesTerminal messages(&context);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* page =
        new NTabTerminal(new TabTerminalTrProvider, &messages, false,
                         TerminalCommandMenu::defaultCommands(), TerminalCommandMenu::createMenu());
    layout->addWidget(page->toolBarWidget(), 0, Qt::AlignLeft);
    layout->addWidget(page, 1);
    page->toolBarWidget()->show();
    // The main window puts the selector button in its own column.
    page->selectorButton()->hide();
    page->setLogWidgetManager(&handler);
    fillLog(logger);
    handler.onFetchTimer();
    window.resize(1100, 640);
    camera.take(&window, QStringLiteral("terminal-formatted"));

    page->formatAction()->setChecked(false);
    camera.take(&window, QStringLiteral("terminal-raw"));
    page->formatAction()->setChecked(true);

    Common::Filters::FilterWidgetNew* bar = page->filterWidget();
    bar->openFilterDialog();
    camera.take(bar->filtersDialog(), QStringLiteral("terminal-filter-dialog"));
    bar->filtersDialog()->openWithChecked({0, 3, 4});
    bar->filtersDialog()->confirmClicked();
    bar->row(0)->modeCombo()->setCurrentIndex(0);
    bar->row(4)->findChild<QLineEdit*>()->setText(QStringLiteral("g"));
    bar->row(4)->modeCombo()->setCurrentIndex(2);
    camera.take(&window, QStringLiteral("terminal-filtered"));
}
