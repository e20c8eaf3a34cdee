#include "ui/SaveFilePathGetter.h"

#include "ui/VornFileDialog.h"

namespace Common {

QString SaveFilePathGetter::getPath()
{
    VornFileDialog dialog(m_context);
    return dialog.getSavePath(VornFileDialog::nameFilter(m_fileType));
}

} // namespace Common
