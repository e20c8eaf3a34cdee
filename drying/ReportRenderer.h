#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRectF>
#include <QVector>

class QPagedPaintDevice;
class QPainter;

namespace Common {
namespace PDF {

class ReportDataManager;
class ReportTemplate;
struct ReportElement;
struct ReportTable;

// Lays a report template out over its data on pages and paints them. The same
// code serves the preview (a QPrinter) and the PDF file (a QPdfWriter).
class ReportRenderer
{
public:
    ReportRenderer(const ReportTemplate& layout, const ReportDataManager& data);

    // Page size and margins of the template.
    void preparePage(QPagedPaintDevice* device) const;
    // False when the device cannot be painted on.
    bool render(QPagedPaintDevice* device);
    int pageCount() const { return m_pages.size(); }

private:
    struct Item
    {
        enum Type { Text, Rule, Fill, Row, Picture };
        Type type = Text;
        QRectF rect;
        QString text;
        int font = 0;
        QColor color;
        int flags = 0;
        const ReportElement* element = nullptr;
        const ReportTable* table = nullptr;
        int row = -1; // -1: the header row
        const QByteArray* picture = nullptr; // SVG
    };
    using Page = QVector<Item>;

    void layOut(QPagedPaintDevice* device);
    void layOutText(const ReportElement& element);
    void layOutFields(const ReportElement& element);
    void layOutTable(const ReportElement& element);
    void layOutImage(const ReportElement& element);
    void heading(const QString& text);

    void newPage();
    void ensureSpace(double height);
    void add(const Item& item) { m_pages.last().append(item); }
    void addText(const QRectF& rect, const QString& text, int font, const QColor& color, int flags);
    int font(double size, bool bold);
    double lineHeight(int font) const;
    QStringList wrap(const QString& text, int font, double width) const;
    double pt(double points) const { return points * m_dpi / 72.0; }
    double bandHeight(const QList<ReportElement>& band) const;

    void paintPage(QPainter& painter, int index);
    void paintBand(QPainter& painter, const QList<ReportElement>& band, const QRectF& rect,
                   int page);
    void paintRow(QPainter& painter, const Item& item);

    const ReportTemplate& m_layout;
    const ReportDataManager& m_data;
    QPagedPaintDevice* m_device = nullptr;
    double m_dpi = 72;
    double m_width = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    QVector<QFont> m_fonts;
    QVector<Page> m_pages;
    // Per table element: the data column of each template column, and the
    // columns' left edges and widths.
    QHash<const ReportElement*, QVector<int>> m_columnData;
    QHash<const ReportElement*, QVector<QPair<double, double>>> m_columnEdges;
};

} // namespace PDF
} // namespace Common
