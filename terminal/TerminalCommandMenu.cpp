#include "terminal/TerminalCommandMenu.h"

#include "terminal/VornContextMenu.h"

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
    const QStringList labels = {
        tr("Tare (ST)"),
        tr("Stable result (SI)"),
        tr("Zero (SZ)"),
        tr("Result (Sx1)"),
        tr("Current prinout (Sx2)"),
        tr("??? Sx3"),
        tr("Minimum threshhold (SL.)"),
        tr("Maximum threshhold (SH.)"),
        tr("Zero threshhold (SM.)"),
        tr("Show on device screen (SN..____)"),
        tr("Echo (SJ)"),
        tr("Identification data (SW9)"),
    };
    // Two values differ from the default rows: "SL09" and "SN09EXAMPLE".
    const QStringList values = {
        QStringLiteral("ST"),          QStringLiteral("SI"),   QStringLiteral("SZ"),
        QStringLiteral("Sx1"),         QStringLiteral("Sx2"),  QStringLiteral("Sx3"),
        QStringLiteral("SL09"),        QStringLiteral("SH99"), QStringLiteral("SM0.9"),
        QStringLiteral("SN09EXAMPLE"), QStringLiteral("SJ"),   QStringLiteral("SW9")};
    return new VornContextMenu(tr("Context menu"), nullptr, labels, values);
}
