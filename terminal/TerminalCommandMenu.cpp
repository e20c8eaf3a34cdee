#include "terminal/TerminalCommandMenu.h"

#include "terminal/VornContextMenu.h"

#include <QCoreApplication>

namespace {

// The menu's labels belong to the menu's own translation context.
const char* const menuLabels[] = {
    QT_TRANSLATE_NOOP("VornContextMenu", "Tare (ST)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Stable result (SI)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Zero (SZ)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Result (Sx1)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Current prinout (Sx2)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "??? Sx3"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Minimum threshhold (SL.)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Maximum threshhold (SH.)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Zero threshhold (SM.)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Show on device screen (SN..____)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Echo (SJ)"),
    QT_TRANSLATE_NOOP("VornContextMenu", "Identification data (SW9)"),
};

} // namespace

QStringList TerminalCommandMenu::defaultCommands()
{
    return {QStringLiteral("ST"),    QStringLiteral("SI"),
            QStringLiteral("SZ"),    QStringLiteral("Sx1"),
            QStringLiteral("Sx2"),   QStringLiteral("Sx3"),
            QStringLiteral("SL9"),   QStringLiteral("SH99"),
            QStringLiteral("SM0.9"), QStringLiteral("SN09EXAMPLE_TEXT"),
            QStringLiteral("SJ"),    QStringLiteral("SW9")};
}

VornContextMenu* TerminalCommandMenu::createMenu()
{
    QStringList labels;
    for (const char* label : menuLabels)
        labels << QCoreApplication::translate("VornContextMenu", label);
    // Two values differ from the default rows: "SL09" and "SN09EXAMPLE".
    const QStringList values = {
        QStringLiteral("ST"),          QStringLiteral("SI"),   QStringLiteral("SZ"),
        QStringLiteral("Sx1"),         QStringLiteral("Sx2"),  QStringLiteral("Sx3"),
        QStringLiteral("SL09"),        QStringLiteral("SH99"), QStringLiteral("SM0.9"),
        QStringLiteral("SN09EXAMPLE"), QStringLiteral("SJ"),   QStringLiteral("SW9")};
    return new VornContextMenu(QCoreApplication::translate("VornContextMenu", "Context menu"),
                               nullptr, labels, values);
}
