// The page base and its icon actions: the pieces the main window arranges
// for every page, their checked look and their texts after a language switch.
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "resources/Resources.h"
#include "tests/support/FakeTranslationProvider.h"
#include "ui/AbstractGuiTab.h"
#include "ui/GuiIconAction.h"

namespace {

enum { TitleId, SaveId, CheckId };

class TestPage : public AbstractGuiTab
{
public:
    explicit TestPage(const ITranslationProvider* provider)
        : AbstractGuiTab(TranslationHandle(provider, TitleId))
    {
        createSelectorButton(":/icons2/paid/dryer.svg");
        save = addIconAction(":/upload-file (1).svg", TranslationHandle(provider, SaveId));
        addSpacer();
        check = addIconAction(":/heartbeat.svg", TranslationHandle(provider, CheckId));
    }
    GuiIconAction* save;
    GuiIconAction* check;
};

// Share of the icon's opaque pixels that have the given colour.
double shareOfColour(const QToolButton* button, QRgb colour)
{
    const QImage image = button->icon().pixmap(button->iconSize()).toImage();
    int opaque = 0, matching = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 255)
                continue;
            ++opaque;
            matching += qAbs(qRed(pixel) - qRed(colour)) <= 2
                        && qAbs(qGreen(pixel) - qGreen(colour)) <= 2
                        && qAbs(qBlue(pixel) - qBlue(colour)) <= 2;
        }
    }
    return opaque == 0 ? 0.0 : double(matching) / opaque;
}

} // namespace

class TestPageFramework : public QObject
{
    Q_OBJECT

public:
    // As the program runs: icons drawn sharp on high-DPI screens.
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps); }

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        m_provider.setText(TitleId, "Tab drying");
        m_provider.setText(SaveId, "Save data to file");
        m_provider.setText(CheckId, "Auto check connection");
    }

    void pageBuildsItsPieces()
    {
        TestPage page(&m_provider);
        QCOMPARE(page.title(), QString("Tab drying"));
        QCOMPARE(page.menu()->title(), QString("Current"));
        QCOMPARE(page.menuAction()->text(), QString("Show \"Tab drying\""));
        QCOMPARE(page.menuAction()->parent(), &page);
        QVERIFY(page.toolBarWidget()->isHidden());

        QToolButton* selector = page.selectorButton();
        QVERIFY(selector->isCheckable());
        QVERIFY(selector->autoRaise());
        QCOMPARE(selector->iconSize(), QSize(70, 70));
        QCOMPARE(selector->toolTip(), QString("Tab drying"));
        QVERIFY(!selector->icon().isNull());

        // Two icon cells with a spacer between them, and both actions in the menu.
        auto* layout = qobject_cast<QHBoxLayout*>(page.toolBarWidget()->layout());
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->contentsMargins(), QMargins());
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->itemAt(1)->widget()->minimumSize(), QSize(16, 16));
        auto* cell = qobject_cast<QFrame*>(layout->itemAt(0)->widget());
        QVERIFY(cell);
        QCOMPARE(page.save->button()->parentWidget(), cell);
        QCOMPARE(cell->size(), QSize(32, 32));
        QCOMPARE(cell->frameShape(), QFrame::StyledPanel);
        QCOMPARE(page.save->button()->iconSize(), QSize(30, 30));
        QCOMPARE(page.menu()->actions(),
                 (QList<QAction*>{page.save->action(), page.check->action()}));
        QCOMPARE(page.save->action()->parent(), page.menu());
        QCOMPARE(page.save->button()->toolTip(), QString("Save data to file"));
        QCOMPARE(page.save->action()->text(), QString("Save data to file"));
        QVERIFY(page.save->button()->text().isEmpty());
    }

    void buttonAndMenuActionBothClick()
    {
        TestPage page(&m_provider);
        QSignalSpy clicked(page.save, &GuiIconAction::clicked);
        page.save->button()->click();
        page.save->action()->trigger();
        QCOMPARE(clicked.count(), 2);
    }

    // Button and action stay in step whichever of them the user uses, and
    // each change is announced once.
    void checkableStaysInStep()
    {
        TestPage page(&m_provider);
        page.check->setCheckable(true);
        QSignalSpy toggled(page.check, &GuiIconAction::toggled);

        page.check->button()->click();
        QVERIFY(page.check->button()->isChecked());
        QVERIFY(page.check->action()->isChecked());
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled.last().at(0).toBool(), true);

        page.check->action()->trigger();
        QVERIFY(!page.check->button()->isChecked());
        QVERIFY(!page.check->action()->isChecked());
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.last().at(0).toBool(), false);

        page.check->setChecked(true);
        QVERIFY(page.check->button()->isChecked());
        QVERIFY(page.check->action()->isChecked());
        QCOMPARE(toggled.count(), 3);

        // Made plain again, the button no longer drives the action.
        page.check->setCheckable(false);
        page.check->button()->click();
        QCOMPARE(toggled.count(), 3);
    }

    void checkedLookIsOrangeOnBlack()
    {
        TestPage page(&m_provider);
        page.check->setCheckable(true);
        page.check->setChecked(true);
        QCOMPARE(page.check->button()->styleSheet(),
                 QString("QToolButton { background-color: black;border:none; }"));
        QVERIFY(shareOfColour(page.check->button(), 0xFF9944) > 0.99);

        page.check->setChecked(false);
        QVERIFY(page.check->button()->styleSheet().isEmpty());
        QVERIFY(shareOfColour(page.check->button(), 0x000000) > 0.99);
    }

    void enablingAndHiding()
    {
        TestPage page(&m_provider);
        page.show();
        QSignalSpy enabled(page.save, &GuiIconAction::enabled);
        page.save->setEnabled(false);
        QVERIFY(!page.save->button()->isEnabled());
        QVERIFY(!page.save->action()->isEnabled());
        QCOMPARE(enabled.count(), 1);
        QCOMPARE(enabled.last().at(0).toBool(), false);

        QWidget* cell = page.save->button()->parentWidget();
        page.save->setVisible(false);
        QVERIFY(cell->isHidden());
        page.save->setVisible(true);
        QVERIFY(!cell->isHidden());
    }

    // The parent owns an icon action, which owns its action and a button no
    // widget has taken. Hiding a button put into a widget other than a cell
    // hides the button alone.
    void iconActionBelongsToItsParent()
    {
        auto* window = new QWidget;
        window->show();
        QPointer<GuiIconAction> icon =
            new GuiIconAction(":/play-button.svg", TranslationHandle(&m_provider, SaveId), window);
        QPointer<QAction> action = icon->action();
        (new QHBoxLayout(window))->addWidget(icon->button());
        icon->setVisible(false);
        QVERIFY(icon->button()->isHidden());
        QVERIFY(window->isVisible());
        delete window;
        QVERIFY(icon.isNull() && action.isNull());

        icon = new GuiIconAction(":/play-button.svg", TranslationHandle(&m_provider, SaveId));
        QPointer<QToolButton> loose = icon->button();
        delete icon.data();
        QVERIFY(loose.isNull());
    }

    void languageChangeRefreshesTexts()
    {
        FakeTranslationProvider provider;
        provider.setText(TitleId, "Tab drying");
        provider.setText(SaveId, "Save data to file");
        TestPage page(&provider);

        provider.setText(TitleId, "Statystyka suszeń");
        provider.setText(SaveId, "Zapisz dane do pliku");
        QTranslator polish;
        QVERIFY(polish.load(":/i18n/polish.qm"));
        QCoreApplication::installTranslator(&polish); // posts LanguageChange to every widget
        QTRY_COMPARE(page.menuAction()->text(), QString::fromUtf8("Otwórz \"Statystyka suszeń\""));
        QCOMPARE(page.menu()->title(), QString("Aktualne"));
        QCOMPARE(page.selectorButton()->toolTip(), QString::fromUtf8("Statystyka suszeń"));
        QCOMPARE(page.save->button()->toolTip(), QString("Zapisz dane do pliku"));
        QCOMPARE(page.save->action()->text(), QString("Zapisz dane do pliku"));
        QCoreApplication::removeTranslator(&polish);
    }

    void pageTakesItsIconActionsAlong()
    {
        auto* page = new TestPage(&m_provider);
        QPointer<GuiIconAction> icon = page->save;
        delete page;
        QVERIFY(icon.isNull());
    }

private:
    FakeTranslationProvider m_provider;
};

QTEST_MAIN(TestPageFramework)
#include "tst_pageframework.moc"
