#pragma once

#include "ui/IRetranslatable.h"

namespace Common {
class ILabelsUpdater;
}

namespace KD {

// Titles of the run table and plot in the new language.
class TdRetranslator : public Common::IRetranslatable
{
public:
    explicit TdRetranslator(Common::ILabelsUpdater* labels) : m_labels(labels) { }
    void retranslate() override;

private:
    Common::ILabelsUpdater* m_labels;
};

} // namespace KD
