#include "ui/ButtonStyles.h"

namespace ButtonStyles {

namespace {

QString sheet(const char* normal, const char* hover, const char* pressed)
{
    return QStringLiteral(
               "QPushButton { background-color: %1; border-color: %1; color: white; "
               "outline: none; border-style: solid; border-width: 5px; border-radius: 5px; }\n"
               "QPushButton::hover { background-color: %2; border-color: %2; }\n"
               "QPushButton::pressed { background-color: %3; border-color: %3; }\n"
               "QPushButton::disabled { background-color: #777777; border-color: #777777; }")
        .arg(QLatin1String(normal), QLatin1String(hover), QLatin1String(pressed));
}

} // namespace

QString start() { return sheet("#6fc420", "#5eb310", "#4da200"); }

QString stop() { return sheet("#f75f54", "#e64e43", "#d53d32"); }

} // namespace ButtonStyles
