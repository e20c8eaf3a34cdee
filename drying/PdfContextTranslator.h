#pragma once

#include <QHash>

#include "drying/CheckableItemCreator.h"
#include "drying/IWidgetDataTranslator.h"

class QCheckBox;

namespace Common {

class IRunContextHandler;

namespace Widgets {
class SettingWidget;
}

namespace RunContext {

class ICheckedValuesHandler;
class IPdfTranslatorInfo;

// Lays out a run context as rows of report check box, label and editor, in
// report order, and writes confirmed edits and checks back.
class PdfContextTranslator : public Widgets::IWidgetDataTranslator
{
public:
    PdfContextTranslator(ICheckedValuesHandler* checked, IRunContextHandler* context,
                         const IPdfTranslatorInfo* info);

    void setGrid(Widgets::ItemGrid* grid) override;
    void build() override;
    void save() override;

    // The row widgets of a value id; null before build or for unknown ids.
    QCheckBox* checkBox(int id) const;
    Widgets::SettingWidget* editor(int id) const;

private:
    static constexpr int checkColumn = 0;

    Widgets::Item* rowOf(int id) const;

    Widgets::ItemGrid* m_grid = nullptr;
    Widgets::CheckableItemCreator m_creator{1};
    ICheckedValuesHandler* m_checked;
    IRunContextHandler* m_context;
    const IPdfTranslatorInfo* m_info;
    // Value id -> position in report order; grid row = position + 1.
    QHash<int, int> m_rowIndex;
};

} // namespace RunContext
} // namespace Common
