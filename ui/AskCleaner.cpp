#include "ui/AskCleaner.h"

#include "ui/IClearDataMessageBox.h"
#include "ui/IClearable.h"
#include "ui/IEmpty.h"

namespace Common {

AskCleaner::AskCleaner(IEmpty* empty, IClearable* clearable, IClearDataMessageBox* question)
    : m_empty(empty), m_clearable(clearable), m_question(question)
{ }

bool AskCleaner::check()
{
    if (m_empty->isEmpty())
        return true;
    if (!m_question->askClearData())
        return false;
    m_clearable->clear();
    return true;
}

} // namespace Common
