#include "ui/HotKeys.h"

#include "ui/AbstractGuiTab.h"
#include "ui/NVornHotkeyItem.h"

#include <QAction>
#include <QKeySequence>

namespace Common {

HotKeys::HotKeys(QObject* parent) : QObject(parent) { }

void HotKeys::registerAction(AbstractGuiTab* page, int pageIndex)
{
    const int id = addEntry(QStringLiteral("ShowTab_%1").arg(pageIndex), page->titleHandle());
    m_pageActions.append(page->menuAction());
    m_pageIds.append(id);
}

int HotKeys::registerNamed(const QString& name, const TranslationHandle& title, int actionKey)
{
    const int id = addEntry(name, title);
    m_actionKeys.insert(id, actionKey);
    return id;
}

void HotKeys::bindAction(int actionKey, QAction* action)
{
    m_boundActions.insert(actionKey, action);
}

QString HotKeys::nameOf(int id) const { return m_names.value(id); }

TranslationHandle HotKeys::titleOf(int id) const { return m_titles.value(id); }

VornModel::NVornHotkeyItem* HotKeys::createEditorItem(int id) const
{
    return new VornModel::NVornHotkeyItem(id);
}

void HotKeys::setHotKey(int id, QString shortcut)
{
    const QKeySequence sequence(shortcut, QKeySequence::NativeText);
    const int actionKey = m_actionKeys.value(id, -1);
    if (actionKey >= 0) {
        // A named entry never falls back to the page actions.
        if (QAction* action = m_boundActions.value(actionKey))
            action->setShortcut(sequence);
        return;
    }
    const int position = m_pageIds.indexOf(id);
    if (position >= 0 && m_pageActions.at(position))
        m_pageActions.at(position)->setShortcut(sequence);
}

int HotKeys::addEntry(const QString& name, const TranslationHandle& title)
{
    m_names.append(name);
    m_titles.append(title);
    return m_names.size() - 1;
}

} // namespace Common
