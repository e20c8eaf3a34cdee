#pragma once

#include "ui/IDataCleaner.h"

namespace Common {

class IClearable;
class IClearDataMessageBox;
class IEmpty;

// Asks before data is thrown away: no question when there is nothing to lose,
// the data is cleared only on Yes.
class AskCleaner : public IDataCleaner
{
public:
    AskCleaner(IEmpty* empty, IClearable* clearable, IClearDataMessageBox* question);
    bool check() override;

private:
    IEmpty* m_empty;
    IClearable* m_clearable;
    IClearDataMessageBox* m_question;
};

} // namespace Common
