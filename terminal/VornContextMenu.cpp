#include "terminal/VornContextMenu.h"

namespace {

const QString separatorLabel = QStringLiteral("SEPARATOR");

} // namespace

VornContextMenu::VornContextMenu(const QString& title, QWidget* parent, const QStringList& labels,
                                 const QStringList& values)
    : QMenu(title, parent)
{
    if (labels.size() - labels.count(separatorLabel) != values.size())
        return;
    int separators = 0;
    for (int i = 0; i < labels.size(); ++i) {
        if (labels.at(i) == separatorLabel) {
            addSeparator();
            ++separators;
            continue;
        }
        const QString value = values.at(i - separators);
        connect(addAction(labels.at(i)), &QAction::triggered, this,
                [this, value] { m_chosenValue = value; });
    }
}

void VornContextMenu::execAt(const QPoint& globalPos)
{
    m_chosenValue.clear();
    runAt(globalPos);
}

void VornContextMenu::runAt(const QPoint& globalPos) { exec(globalPos); }
