#include "ui/HtmlFragments.h"

#include <algorithm>

QString htmlTag(const QString& tag, const QString& text)
{
    return QLatin1Char('<') + tag + QLatin1Char('>') + text + QStringLiteral("</") + tag
           + QLatin1Char('>');
}

QString htmlLi(const QString& text) { return htmlTag(QStringLiteral("li"), text); }

QString htmlUl(const QString& text) { return htmlTag(QStringLiteral("ul"), text); }

QString htmlTt(const QString& text) { return htmlTag(QStringLiteral("tt"), text); }

QString htmlCenter(const QString& text) { return htmlTag(QStringLiteral("center"), text); }

QString htmlBreaks(int n) { return QStringLiteral("<br>").repeated(std::max(n, 1)); }
