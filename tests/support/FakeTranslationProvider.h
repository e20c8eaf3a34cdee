#pragma once

#include "ui/ITranslationProvider.h"

#include <QHash>

// A translation provider whose texts a test sets and changes at will, to
// stand for a language switch.
class FakeTranslationProvider : public ITranslationProvider
{
public:
    void setText(int id, const QString& text) { m_texts.insert(id, text); }
    QString text(int id) const override { return m_texts.value(id); }

private:
    QHash<int, QString> m_texts;
};
