#include "ui/TranslationHandle.h"

#include "ui/ITranslationProvider.h"

TranslationHandle::TranslationHandle(const ITranslationProvider* provider, int id)
    : m_provider(provider), m_id(id)
{ }

void TranslationHandle::set(const ITranslationProvider* provider, int id)
{
    m_provider = provider;
    m_id = id;
}

QString TranslationHandle::text() const { return m_provider ? m_provider->text(m_id) : QString(); }
