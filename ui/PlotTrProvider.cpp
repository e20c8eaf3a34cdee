#include "ui/PlotTrProvider.h"

namespace Common {
namespace Widgets {

PlotTrProvider::PlotTrProvider(QObject* parent) : QObject(parent) { }

QString PlotTrProvider::text(int id) const
{
    if (id != HelpText)
        return QString();
    return tr("Zooming: Mouse wheel rool\n"
              "Dragging: Left mouse button\n"
              "Zooming by rectangle: Right mouse button\n"
              "Blocking axes for zooming: Mouse wheel click, X button\n"
              "Back to autofocus: ESC button");
}

} // namespace Widgets
} // namespace Common
