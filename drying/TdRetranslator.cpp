#include "drying/TdRetranslator.h"

#include "ui/ILabelsUpdater.h"

namespace KD {

void TdRetranslator::retranslate() { m_labels->updateLabels(); }

} // namespace KD
