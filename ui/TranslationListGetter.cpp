#include "ui/TranslationListGetter.h"

#include <utility>

TranslationListGetter::TranslationListGetter(QVector<TranslationHandle> handles)
    : m_handles(std::move(handles))
{ }

QStringList TranslationListGetter::getList() const
{
    QStringList list;
    list.reserve(m_handles.size());
    for (const TranslationHandle& handle : m_handles)
        list.append(handle.text());
    return list;
}
