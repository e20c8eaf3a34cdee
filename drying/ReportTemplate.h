#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>

namespace Common {
namespace PDF {

// One column of a table: which field of the data source it shows and which
// variable holds its title.
struct ReportColumn
{
    QString field;
    QString titleVar;
    double width = 1.0; // share of the table's width
    Qt::Alignment align = Qt::AlignLeft;
};

// One piece of a report layout. Texts always come from variables (or the
// template itself) and are drawn as plain text, never as markup.
struct ReportElement
{
    enum Kind {
        Text, // one text, wrapped; skipped when its variable is not set
        Title, // the same, as the report's heading
        Fields, // label/value rows, "VARIABLE_NAME_" + name holds a label
        Table, // a data source's rows, header row repeated on every page
        Image, // a picture variable, shown when its "show" source has rows
        PageNumber // "Page n of m"
    };

    Kind kind = Text;
    QString var; // variable of the text, value or picture
    QString titleVar; // variable of a heading above the element
    QString source; // data source of a table, visibility source of an image
    QStringList fields; // names of a fields block
    QList<ReportColumn> columns;
    double fontSize = 0; // 0: the report's size
    bool bold = false;
    QColor color = Qt::black;
    Qt::Alignment align = Qt::AlignLeft;
    double aspect = 1.6; // width / height of an image's frame
};

// A report layout of our own XML format (<report>, <pageHeader>, <body>,
// <pageFooter>; see the drying report for every element).
class ReportTemplate
{
public:
    // False, with errorString(), when the file is missing or malformed.
    bool load(const QString& path);
    QString errorString() const { return m_error; }

    QPageSize pageSize = QPageSize(QPageSize::A4);
    QMarginsF marginsMm = QMarginsF(15, 15, 15, 15);
    QStringList fontFamilies;
    double fontSize = 9;
    QList<ReportElement> pageHeader;
    QList<ReportElement> body;
    QList<ReportElement> pageFooter;

private:
    QString m_error;
};

} // namespace PDF
} // namespace Common
