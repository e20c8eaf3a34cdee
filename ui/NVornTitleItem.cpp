#include "ui/NVornTitleItem.h"

#include <QCoreApplication>

namespace Common {
namespace VornModel {

NVornTitleItem::NVornTitleItem()
    : NVornTitleItem(QCoreApplication::translate("QObject", "Not specified"))
{ }

NVornTitleItem::NVornTitleItem(const QString& text)
{
    setEditable(false);
    setValue(text);
}

NVornTitleItem::NVornTitleItem(const TranslationHandle& handle)
    : m_handle(handle), m_translated(true)
{
    setEditable(false);
    setValue(handle.text());
}

bool NVornTitleItem::setEditorData(QWidget*) { return true; }

void NVornTitleItem::retranslate()
{
    if (!m_translated)
        return;
    const QString text = m_handle.text();
    if (!text.isEmpty())
        setValue(text);
}

} // namespace VornModel
} // namespace Common
