#pragma once

#include <QRegularExpression>

// Four decimal numbers from 0 to 255 of one to three digits, joined by points:
// what an address field accepts.
inline QRegularExpression ipv4Expression()
{
    return QRegularExpression(QStringLiteral(
        "(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)(\\.(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)){3}"));
}
