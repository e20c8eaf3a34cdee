// The hot-key registry: page actions under generated names, named entries
// bound through action keys, and shortcuts reaching the right action.
#include <QAction>
#include <QKeySequence>
#include <QtTest>

#include "tests/support/FakeTranslationProvider.h"
#include "ui/AbstractGuiTab.h"
#include "ui/HotKeys.h"
#include "ui/NVornHotkeyItem.h"
#include "ui/NVornModelView.h"

class TestHotKeys : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_hotKeys.reset(new Common::HotKeys);
        const char* const titles[] = {"Search engine", "Drying View", "Drying settings",
                                      "Terminal"};
        for (int i = 0; i < 4; ++i) {
            m_provider.setText(i, titles[i]);
            m_pages.append(new AbstractGuiTab(TranslationHandle(&m_provider, i)));
            m_hotKeys->registerAction(m_pages.last(), i);
        }
    }

    void cleanup()
    {
        qDeleteAll(m_pages);
        m_pages.clear();
    }

    void pagesAreRegisteredInOrderWithoutShortcuts()
    {
        for (int id = 0; id < 4; ++id) {
            QCOMPARE(m_hotKeys->nameOf(id), QString("ShowTab_%1").arg(id));
            QCOMPARE(m_hotKeys->titleOf(id).text(), m_pages.at(id)->title());
            QVERIFY(m_pages.at(id)->menuAction()->shortcut().isEmpty());
        }
        QCOMPARE(m_hotKeys->titleOf(4).provider(), nullptr);
        QVERIFY(m_hotKeys->titleOf(-1).text().isEmpty());
    }

    void shortcutReachesThePageAction()
    {
        m_hotKeys->setHotKey(1, "Ctrl+D");
        QCOMPARE(m_pages.at(1)->menuAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        m_hotKeys->setHotKey(3, "Shift+Ctrl+F5");
        QCOMPARE(m_pages.at(3)->menuAction()->shortcut(),
                 QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F5));

        m_hotKeys->setHotKey(7, "Ctrl+X");
        for (AbstractGuiTab* page : qAsConst(m_pages))
            QVERIFY(page->menuAction()->shortcut() != QKeySequence(Qt::CTRL | Qt::Key_X));

        m_hotKeys->setHotKey(1, QString());
        QVERIFY(m_pages.at(1)->menuAction()->shortcut().isEmpty());
    }

    void namedEntriesUseTheirBoundAction()
    {
        FakeTranslationProvider provider;
        provider.setText(0, "Start analysis");
        QAction start;
        QAction stray;
        const int id = m_hotKeys->registerNamed("Start", TranslationHandle(&provider, 0), 10);
        QCOMPARE(id, 4); // after the four pages of init()
        QCOMPARE(m_hotKeys->nameOf(id), QString("Start"));
        QCOMPARE(m_hotKeys->titleOf(id).text(), QString("Start analysis"));

        // No action bound to key 10 yet: nothing happens, and no page action is touched.
        m_hotKeys->setHotKey(id, "F5");
        QVERIFY(start.shortcut().isEmpty());
        for (AbstractGuiTab* page : qAsConst(m_pages))
            QVERIFY(page->menuAction()->shortcut().isEmpty());

        m_hotKeys->bindAction(10, &start);
        m_hotKeys->bindAction(11, &stray);
        m_hotKeys->setHotKey(id, "F5");
        QCOMPARE(start.shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(stray.shortcut().isEmpty());
    }

    // A key-binding table built from the registry's items hands its edits
    // back as shortcuts.
    void keyBindingTableSetsShortcuts()
    {
        Common::VornModel::NVornModelView table;
        for (int id = 0; id < 4; ++id) {
            Common::VornModel::NVornHotkeyItem* item = m_hotKeys->createEditorItem(id);
            QCOMPARE(item->name(), id);
            table.addItem(m_hotKeys->titleOf(id), item);
        }
        connect(
            &table, &Common::VornModel::NVornModelView::parameterChanged, m_hotKeys.data(),
            [this](int id, const QVariant& value) { m_hotKeys->setHotKey(id, value.toString()); });
        QVERIFY(table.setValue(2, "Alt+F2"));
        QCOMPARE(m_pages.at(2)->menuAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F2));
        QVERIFY(m_pages.at(1)->menuAction()->shortcut().isEmpty());
    }

    // The registry outlives the pages; a late shortcut must not reach a
    // deleted action.
    void deletedActionsAreSkipped()
    {
        auto* action = new QAction;
        const int id = m_hotKeys->registerNamed("Gone", TranslationHandle(), 3);
        m_hotKeys->bindAction(3, action);
        delete action;
        m_hotKeys->setHotKey(id, "F6");

        delete m_pages.takeFirst();
        m_hotKeys->setHotKey(0, "F7");
    }

private:
    FakeTranslationProvider m_provider;
    QScopedPointer<Common::HotKeys> m_hotKeys;
    QList<AbstractGuiTab*> m_pages;
};

QTEST_MAIN(TestHotKeys)
#include "tst_hotkeys.moc"
