#pragma once

#include "ui/NVornAbstractItem.h"
#include "ui/TranslationHandle.h"

namespace Common {
namespace VornModel {

// A parameter's title or a section heading; never edited.
class NVornTitleItem : public NVornAbstractItem
{
public:
    NVornTitleItem();
    explicit NVornTitleItem(const QString& text);
    explicit NVornTitleItem(const TranslationHandle& handle);

    bool setEditorData(QWidget* editor) override;
    void retranslate() override;

private:
    TranslationHandle m_handle;
    bool m_translated = false;
};

} // namespace VornModel
} // namespace Common
