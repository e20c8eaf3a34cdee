#include "drying/ReportTemplate.h"

#include <QFile>
#include <QXmlStreamReader>

namespace Common {
namespace PDF {

namespace {

Qt::Alignment alignment(const QStringRef& text)
{
    if (text == QLatin1String("right"))
        return Qt::AlignRight;
    if (text == QLatin1String("center"))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

bool kindOf(const QStringRef& name, ReportElement::Kind* kind)
{
    static const struct
    {
        const char* name;
        ReportElement::Kind kind;
    } kinds[] = {{"text", ReportElement::Text},     {"title", ReportElement::Title},
                 {"fields", ReportElement::Fields}, {"table", ReportElement::Table},
                 {"image", ReportElement::Image},   {"pageNumber", ReportElement::PageNumber}};
    for (const auto& k : kinds) {
        if (name == QLatin1String(k.name)) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

// Reads one element with its children; the reader stands on its start tag.
bool readElement(QXmlStreamReader& xml, ReportElement::Kind kind, ReportElement* element)
{
    const QXmlStreamAttributes a = xml.attributes();
    element->kind = kind;
    element->var = a.value("var").toString();
    element->titleVar = a.value("title").toString();
    element->source = a.value(kind == ReportElement::Image ? "show" : "source").toString();
    element->fontSize = a.value("size").toDouble();
    element->bold = a.value("bold") == QLatin1String("true");
    if (a.hasAttribute("color"))
        element->color = QColor(a.value("color").toString());
    element->align = alignment(a.value("align"));
    if (a.hasAttribute("aspect"))
        element->aspect = qMax(0.1, a.value("aspect").toDouble());
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes c = xml.attributes();
        if (kind == ReportElement::Fields && xml.name() == QLatin1String("field")) {
            element->fields.append(c.value("name").toString());
        } else if (kind == ReportElement::Table && xml.name() == QLatin1String("column")) {
            ReportColumn column;
            column.field = c.value("field").toString();
            column.titleVar = c.value("title").toString();
            column.width = c.hasAttribute("width") ? qMax(0.1, c.value("width").toDouble()) : 1.0;
            column.align = alignment(c.value("align"));
            element->columns.append(column);
        } else {
            xml.raiseError(QStringLiteral("unexpected <%1>").arg(xml.name()));
            return false;
        }
        xml.skipCurrentElement();
    }
    return !xml.hasError();
}

bool readSection(QXmlStreamReader& xml, QList<ReportElement>* section)
{
    while (xml.readNextStartElement()) {
        ReportElement::Kind kind;
        if (!kindOf(xml.name(), &kind)) {
            xml.raiseError(QStringLiteral("unknown element <%1>").arg(xml.name()));
            return false;
        }
        ReportElement element;
        if (!readElement(xml, kind, &element))
            return false;
        section->append(element);
    }
    return !xml.hasError();
}

} // namespace

bool ReportTemplate::load(const QString& path)
{
    m_error.clear();
    pageHeader.clear();
    body.clear();
    pageFooter.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("report")) {
        m_error = QStringLiteral("%1: not a report template").arg(path);
        return false;
    }
    const QXmlStreamAttributes a = xml.attributes();
    if (a.value("page") == QLatin1String("A4"))
        pageSize = QPageSize(QPageSize::A4);
    const QVector<QStringRef> margins =
        a.value("margins").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (margins.size() == 4)
        marginsMm = QMarginsF(margins[3].toDouble(), margins[0].toDouble(), margins[1].toDouble(),
                              margins[2].toDouble()); // top right bottom left, as in CSS
    fontFamilies = a.value("font").toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& family : fontFamilies)
        family = family.trimmed();
    if (a.hasAttribute("size"))
        fontSize = qMax(1.0, a.value("size").toDouble());

    while (xml.readNextStartElement()) {
        QList<ReportElement>* section = xml.name() == QLatin1String("pageHeader")   ? &pageHeader
                                        : xml.name() == QLatin1String("body")       ? &body
                                        : xml.name() == QLatin1String("pageFooter") ? &pageFooter
                                                                                    : nullptr;
        if (!section) {
            xml.raiseError(QStringLiteral("unknown section <%1>").arg(xml.name()));
            break;
        }
        if (!readSection(xml, section))
            break;
    }
    if (xml.hasError()) {
        m_error =
            QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

} // namespace PDF
} // namespace Common
