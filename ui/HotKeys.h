#pragma once

#include "ui/TranslationHandle.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

class AbstractGuiTab;
class QAction;

namespace Common {

namespace VornModel {
class NVornHotkeyItem;
}

// Registry of the actions that can be given a keyboard shortcut. An entry's
// id is its position in registration order. Shortcuts are only assigned
// through setHotKey; nothing is stored in the settings.
class HotKeys : public QObject
{
    Q_OBJECT

public:
    explicit HotKeys(QObject* parent = nullptr);

    // Registers the page's menu action as "ShowTab_<pageIndex>".
    void registerAction(AbstractGuiTab* page, int pageIndex);
    int registerNamed(const QString& name, const TranslationHandle& title, int actionKey);
    void bindAction(int actionKey, QAction* action);

    QString nameOf(int id) const;
    TranslationHandle titleOf(int id) const;

    // A new key-combination item whose parameter name is the id, for a
    // key-binding table; the caller owns it.
    VornModel::NVornHotkeyItem* createEditorItem(int id) const;

public slots:
    // The shortcut text is "Shift", "Ctrl", "Alt" and the key joined by "+";
    // an empty text removes the shortcut.
    void setHotKey(int id, QString shortcut);

private:
    int addEntry(const QString& name, const TranslationHandle& title);

    QStringList m_names;
    QVector<TranslationHandle> m_titles;
    // Not owned; the pointers clear themselves when an action goes away.
    QVector<QPointer<QAction>> m_pageActions;
    QVector<int> m_pageIds;
    QMap<int, int> m_actionKeys;
    QMap<int, QPointer<QAction>> m_boundActions;
};

} // namespace Common
