#pragma once

#include "ui/TranslationListGetter.h"

#include <QWidget>

class ITranslationProvider;
class QComboBox;

namespace Common {
namespace Filters {

class IFilter;

namespace Ui {
class AbstractFilterWidget;
}

// One column's filter row: a title with an "X" button, the comparison mode
// and the value editors of the column's kind. It makes a fresh predicate on
// request and announces every change (and every show or hide) so that the
// column is filtered anew.
class AbstractFilterWidget : public QWidget
{
    Q_OBJECT

public:
    AbstractFilterWidget(const TranslationListGetter& options, QWidget* parent = nullptr);
    ~AbstractFilterWidget() override;

    // A new predicate for what the row shows now; the caller owns it.
    virtual IFilter* createFilter() const = 0;

    void setTitle(const QString& title);
    QString title() const;
    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    int optionIndex() const;
    QComboBox* modeCombo() const;

signals:
    void filterChanged(int index);
    void xClicked(int index);

public slots:
    void xButtonClicked();
    void onComboChanged();

protected:
    // The mode texts: the provider's texts of the given ids, in combo order.
    static TranslationListGetter optionTexts(const ITranslationProvider* provider,
                                             const QVector<int>& ids);

    // Run when the mode changes; rows without bounds only announce it.
    virtual void onModeChanged();

    void addValueWidget(QWidget* widget);
    void emitFilterChanged();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TranslationListGetter m_options;
    Ui::AbstractFilterWidget* m_ui;
    int m_index = 0;
};

} // namespace Filters
} // namespace Common
