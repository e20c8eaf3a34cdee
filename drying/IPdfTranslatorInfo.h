#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Common {
namespace RunContext {

// How the set-up dialog shows one value: whether it has a report check box,
// whether its editor is enabled, and the editor kind (0 line edit, 1 time
// edit, 2 date edit, 4 line edit for the switches).
struct WidgetInfo
{
    bool checkable = false;
    bool editable = false;
    int editorKind = 4;
};

// What the run context's set-up dialog needs to lay out its rows.
class IPdfTranslatorInfo
{
public:
    virtual ~IPdfTranslatorInfo() = default;
    // Ids in the order of the dialog's rows and of the report.
    virtual QList<int> pdfOrder() const = 0;
    virtual QStringList headerLabels() const = 0;
    virtual bool hasValueColumn(int id) const = 0;
    // Values from the run, shown as their text form.
    virtual bool showAsText(int id) const = 0;
    virtual WidgetInfo widgetInfo(int id) const = 0;
    virtual QString label(int id) const = 0;
};

} // namespace RunContext
} // namespace Common
