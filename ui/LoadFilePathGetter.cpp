#include "ui/LoadFilePathGetter.h"

#include "ui/VornFileDialog.h"

namespace Common {

QString LoadFilePathGetter::getPath()
{
    VornFileDialog dialog(m_context);
    return dialog.getOpenPath(VornFileDialog::nameFilter(m_fileType));
}

} // namespace Common
