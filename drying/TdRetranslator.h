#pragma once

#include "ui/IRetranslatable.h"

namespace Common {
class ILabelsUpdater;
}

namespace KD {

// Titles of the run table and plot, and the page's source text, in the new
// language.
class TdRetranslator : public Common::IRetranslatable
{
public:
    TdRetranslator(Common::ILabelsUpdater* labels, Common::IRetranslatable* sourceLabel)
        : m_labels(labels), m_sourceLabel(sourceLabel)
    { }
    void retranslate() override;

private:
    Common::ILabelsUpdater* m_labels;
    Common::IRetranslatable* m_sourceLabel;
};

} // namespace KD
