#include "drying/TdRetranslator.h"

#include "ui/ILabelsUpdater.h"

namespace KD {

void TdRetranslator::retranslate()
{
    m_labels->updateLabels();
    m_sourceLabel->retranslate();
}

} // namespace KD
