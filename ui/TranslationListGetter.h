#pragma once

#include "ui/ITranslationListGetter.h"
#include "ui/TranslationHandle.h"

#include <QVector>

class TranslationListGetter : public ITranslationListGetter
{
public:
    TranslationListGetter() = default;
    explicit TranslationListGetter(QVector<TranslationHandle> handles);

    // Looked up again at every call, so the list follows the language.
    QStringList getList() const override;

private:
    QVector<TranslationHandle> m_handles;
};
