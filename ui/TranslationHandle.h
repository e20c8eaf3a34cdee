#pragma once

#include <QString>

class ITranslationProvider;

// Stored instead of a string wherever a text must follow a language change:
// the text is looked up again each time it is asked for.
class TranslationHandle
{
public:
    TranslationHandle() = default;
    TranslationHandle(const ITranslationProvider* provider, int id);

    void set(const ITranslationProvider* provider, int id);
    QString text() const;

    const ITranslationProvider* provider() const { return m_provider; }
    int id() const { return m_id; }

private:
    const ITranslationProvider* m_provider = nullptr;
    int m_id = 0;
};
