#include "drying/ReportRenderer.h"

#include "drying/ReportDataManager.h"
#include "drying/ReportTemplate.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>

namespace Common {
namespace PDF {

namespace {

const QColor accent(0x1f, 0x3b, 0x5c);
const QColor muted(0x5f, 0x66, 0x6d);
const QColor ruleColour(0xb4, 0xbc, 0xc4);
const QColor headerFill(0xdd, 0xe4, 0xec);
const QColor stripeFill(0xf3, 0xf5, 0xf8);

QString pageText(int page, int count)
{
    return QCoreApplication::translate("Common::PDF::ReportRenderer", "Page %1 of %2")
        .arg(page)
        .arg(count);
}

} // namespace

ReportRenderer::ReportRenderer(const ReportTemplate& layout, const ReportDataManager& data)
    : m_layout(layout), m_data(data)
{ }

void ReportRenderer::preparePage(QPagedPaintDevice* device) const
{
    device->setPageLayout(QPageLayout(m_layout.pageSize, QPageLayout::Portrait, m_layout.marginsMm,
                                      QPageLayout::Millimeter));
}

bool ReportRenderer::render(QPagedPaintDevice* device)
{
    preparePage(device);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    layOut(device);
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        paintPage(painter, i);
    }
    return painter.end();
}

void ReportRenderer::layOut(QPagedPaintDevice* device)
{
    m_device = device;
    m_dpi = device->logicalDpiY();
    m_width = device->width();
    m_pages.clear();
    m_fonts.clear();
    m_columnData.clear();
    m_columnEdges.clear();
    font(m_layout.fontSize, false); // font 0: the report's own

    const double header = bandHeight(m_layout.pageHeader);
    const double footer = bandHeight(m_layout.pageFooter);
    m_top = header > 0 ? header + pt(10) : 0;
    m_bottom = device->height() - (footer > 0 ? footer + pt(10) : 0);
    newPage();
    for (const ReportElement& element : m_layout.body) {
        switch (element.kind) {
        case ReportElement::Text:
        case ReportElement::Title: layOutText(element); break;
        case ReportElement::Fields: layOutFields(element); break;
        case ReportElement::Table: layOutTable(element); break;
        case ReportElement::Image: layOutImage(element); break;
        case ReportElement::PageNumber: break; // only meaningful in a page band
        }
    }
}

void ReportRenderer::layOutText(const ReportElement& element)
{
    const QString text = m_data.text(element.var);
    if (text.isEmpty())
        return;
    const bool title = element.kind == ReportElement::Title;
    const int f =
        font(element.fontSize > 0 ? element.fontSize : m_layout.fontSize, element.bold || title);
    const double height = lineHeight(f);
    const QColor colour = title ? accent : element.color;
    for (const QString& line : wrap(text, f, m_width)) {
        ensureSpace(height);
        addText(QRectF(0, m_y, m_width, height), line, f, colour,
                int(element.align) | Qt::AlignVCenter);
        m_y += height;
    }
    if (title) {
        m_y += pt(3);
        Item rule;
        rule.type = Item::Rule;
        rule.rect = QRectF(0, m_y, m_width, 0);
        rule.color = accent;
        add(rule);
    }
    m_y += pt(title ? 10 : 8);
}

void ReportRenderer::layOutFields(const ReportElement& element)
{
    QStringList shown;
    for (const QString& name : element.fields) {
        if (m_data.containsVariable(name))
            shown.append(name);
    }
    if (shown.isEmpty())
        return;
    const int labelFont = font(m_layout.fontSize, true);
    const double line = lineHeight(0);
    const double pad = pt(3);
    const double labelWidth = m_width * 0.3;
    const double valueWidth = m_width - labelWidth;
    ensureSpace(pt(22) + line + 2 * pad);
    heading(m_data.text(element.titleVar));
    for (int i = 0; i < shown.size(); ++i) {
        const QStringList label = wrap(m_data.text(QStringLiteral("VARIABLE_NAME_") + shown[i]),
                                       labelFont, labelWidth - 2 * pad);
        const QStringList value = wrap(m_data.text(shown[i]), 0, valueWidth - 2 * pad);
        const double height = qMax(label.size(), value.size()) * line + 2 * pad;
        ensureSpace(height);
        if (i % 2 == 0) {
            Item fill;
            fill.type = Item::Fill;
            fill.rect = QRectF(0, m_y, m_width, height);
            fill.color = stripeFill;
            add(fill);
        }
        for (int l = 0; l < label.size(); ++l)
            addText(QRectF(pad, m_y + pad + l * line, labelWidth - 2 * pad, line), label[l],
                    labelFont, muted, Qt::AlignLeft | Qt::AlignVCenter);
        for (int l = 0; l < value.size(); ++l)
            addText(QRectF(labelWidth + pad, m_y + pad + l * line, valueWidth - 2 * pad, line),
                    value[l], 0, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
        m_y += height;
    }
    m_y += pt(12);
}

void ReportRenderer::layOutTable(const ReportElement& element)
{
    const ReportTable* table = m_data.table(element.source);
    if (!table || table->fields.isEmpty() || element.columns.isEmpty())
        return;
    QVector<int> data;
    QVector<QPair<double, double>> edges;
    double total = 0;
    for (const ReportColumn& column : element.columns)
        total += column.width;
    double x = 0;
    for (const ReportColumn& column : element.columns) {
        data.append(table->column(column.field));
        const double width = m_width * column.width / total;
        edges.append({x, width});
        x += width;
    }
    m_columnData.insert(&element, data);
    m_columnEdges.insert(&element, edges);

    const double rowHeight = lineHeight(0) + pt(4);
    auto headerRow = [&] {
        Item item;
        item.type = Item::Row;
        item.element = &element;
        item.table = table;
        item.row = -1;
        item.rect = QRectF(0, m_y, m_width, rowHeight);
        add(item);
        m_y += rowHeight;
    };
    // The heading never stands alone at the foot of a page.
    ensureSpace(pt(22) + 2 * rowHeight);
    heading(m_data.text(element.titleVar));
    headerRow();
    for (int r = 0; r < table->rows.size(); ++r) {
        if (m_y + rowHeight > m_bottom) {
            newPage();
            headerRow();
        }
        Item item;
        item.type = Item::Row;
        item.element = &element;
        item.table = table;
        item.row = r;
        item.rect = QRectF(0, m_y, m_width, rowHeight);
        add(item);
        m_y += rowHeight;
    }
    m_y += pt(12);
}

void ReportRenderer::layOutImage(const ReportElement& element)
{
    const QByteArray* picture = m_data.picture(element.var);
    if (!picture || !QSvgRenderer(*picture).isValid())
        return;
    if (!element.source.isEmpty()) {
        const ReportTable* show = m_data.table(element.source);
        if (!show || show->rows.isEmpty())
            return;
    }
    const double headingHeight = pt(22);
    double height = m_width / element.aspect;
    height = qMin(height, m_bottom - m_top - headingHeight);
    ensureSpace(headingHeight + height);
    heading(m_data.text(element.titleVar));
    Item item;
    item.type = Item::Picture;
    item.picture = picture;
    item.rect = QRectF(0, m_y, m_width, height);
    add(item);
    m_y += height + pt(12);
}

void ReportRenderer::heading(const QString& text)
{
    if (text.isEmpty())
        return;
    const int f = font(m_layout.fontSize + 2, true);
    const double height = lineHeight(f);
    addText(QRectF(0, m_y, m_width, height), text, f, accent, Qt::AlignLeft | Qt::AlignVCenter);
    m_y += height + pt(4);
}

void ReportRenderer::newPage()
{
    m_pages.append(Page());
    m_y = m_top;
}

void ReportRenderer::ensureSpace(double height)
{
    // A block taller than a page goes on a fresh page and is cut there.
    if (m_y + height > m_bottom && m_y > m_top)
        newPage();
}

void ReportRenderer::addText(const QRectF& rect, const QString& text, int font, const QColor& color,
                             int flags)
{
    Item item;
    item.type = Item::Text;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.color = color;
    item.flags = flags;
    add(item);
}

int ReportRenderer::font(double size, bool bold)
{
    for (int i = 0; i < m_fonts.size(); ++i) {
        if (qFuzzyCompare(m_fonts[i].pointSizeF(), size) && m_fonts[i].bold() == bold)
            return i;
    }
    QFont f;
    if (!m_layout.fontFamilies.isEmpty())
        f.setFamilies(m_layout.fontFamilies);
    f.setPointSizeF(size);
    f.setBold(bold);
    m_fonts.append(f);
    return m_fonts.size() - 1;
}

double ReportRenderer::lineHeight(int font) const
{
    return QFontMetricsF(m_fonts[font], m_device).lineSpacing();
}

QStringList ReportRenderer::wrap(const QString& text, int font, double width) const
{
    QStringList lines;
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, m_fonts[font], m_device);
        // A word wider than the line (a batch code, a path) is broken rather
        // than cut off at the page's edge.
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            lines.append(QString());
    }
    return lines;
}

double ReportRenderer::bandHeight(const QList<ReportElement>& band) const
{
    double height = 0;
    for (const ReportElement& element : band) {
        if (element.kind == ReportElement::PageNumber || !m_data.text(element.var).isEmpty()) {
            QFont f = m_fonts.value(0);
            f.setPointSizeF(element.fontSize > 0 ? element.fontSize : m_layout.fontSize);
            height = qMax(height, QFontMetricsF(f, m_device).lineSpacing());
        }
    }
    return height;
}

void ReportRenderer::paintPage(QPainter& painter, int index)
{
    const double header = bandHeight(m_layout.pageHeader);
    const double footer = bandHeight(m_layout.pageFooter);
    painter.setPen(QPen(ruleColour, pt(0.5)));
    if (header > 0) {
        paintBand(painter, m_layout.pageHeader, QRectF(0, 0, m_width, header), index + 1);
        painter.setPen(QPen(ruleColour, pt(0.5)));
        painter.drawLine(QPointF(0, header + pt(3)), QPointF(m_width, header + pt(3)));
    }
    if (footer > 0) {
        const double top = m_device->height() - footer;
        painter.setPen(QPen(ruleColour, pt(0.5)));
        painter.drawLine(QPointF(0, top - pt(3)), QPointF(m_width, top - pt(3)));
        paintBand(painter, m_layout.pageFooter, QRectF(0, top, m_width, footer), index + 1);
    }

    for (const Item& item : m_pages[index]) {
        switch (item.type) {
        case Item::Text:
            painter.setFont(m_fonts[item.font]);
            painter.setPen(item.color);
            painter.drawText(item.rect, item.flags, item.text);
            break;
        case Item::Rule:
            painter.setPen(QPen(item.color, pt(1)));
            painter.drawLine(item.rect.topLeft(), item.rect.topRight());
            break;
        case Item::Fill: painter.fillRect(item.rect, item.color); break;
        case Item::Row: paintRow(painter, item); break;
        case Item::Picture: {
            QSvgRenderer svg(*item.picture);
            const QSizeF size = svg.viewBoxF().size();
            const double scale =
                qMin(item.rect.width() / size.width(), item.rect.height() / size.height());
            // Centred in its frame, scaled as a whole: the plot stays vector graphics.
            const QSizeF shown = size * scale;
            painter.save();
            svg.render(&painter,
                       QRectF(QPointF(item.rect.center().x() - shown.width() / 2, item.rect.top()),
                              shown));
            painter.restore();
            break;
        }
        }
    }
}

void ReportRenderer::paintBand(QPainter& painter, const QList<ReportElement>& band,
                               const QRectF& rect, int page)
{
    for (const ReportElement& element : band) {
        const QString text = element.kind == ReportElement::PageNumber
                                 ? pageText(page, m_pages.size())
                                 : m_data.text(element.var);
        if (text.isEmpty())
            continue;
        QFont f = m_fonts.value(0);
        f.setPointSizeF(element.fontSize > 0 ? element.fontSize : m_layout.fontSize);
        f.setBold(element.bold);
        painter.setFont(f);
        painter.setPen(element.color);
        // One line: a long header or footer text is cut with an ellipsis.
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        const QString shown =
            QFontMetricsF(f, m_device).elidedText(line, Qt::ElideRight, rect.width() * 0.75);
        painter.drawText(rect, int(element.align) | Qt::AlignVCenter, shown);
    }
}

void ReportRenderer::paintRow(QPainter& painter, const Item& item)
{
    const ReportElement& element = *item.element;
    const QVector<int>& data = m_columnData[item.element];
    const QVector<QPair<double, double>>& edges = m_columnEdges[item.element];
    const bool header = item.row < 0;
    if (header)
        painter.fillRect(item.rect, headerFill);
    else if (item.row % 2 == 1)
        painter.fillRect(item.rect, stripeFill);
    painter.setFont(m_fonts[header ? font(m_layout.fontSize, true) : 0]);
    painter.setPen(header ? accent : Qt::black);
    const double pad = pt(4);
    for (int c = 0; c < element.columns.size(); ++c) {
        const QRectF cell(edges[c].first + pad, item.rect.top(), edges[c].second - 2 * pad,
                          item.rect.height());
        const QString text = header ? m_data.text(element.columns[c].titleVar)
                                    : item.table->rows[item.row].value(data[c]);
        painter.drawText(cell, int(element.columns[c].align) | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(ruleColour, pt(header ? 0.8 : 0.3)));
    painter.drawLine(item.rect.bottomLeft(), item.rect.bottomRight());
}

} // namespace PDF
} // namespace Common
