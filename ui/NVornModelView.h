#pragma once

#include <QStandardItemModel>
#include <QTableView>
#include <QVariant>

#include "ui/TranslationHandle.h"

namespace Common {
namespace VornModel {

class NVornAbstractItem;
class NVornPropertiesDelegate;
class NVornTitleItem;

// Two-column property table: a title on the left, the value on the right,
// edited in place. Every change of an item's data is announced as
// parameterChanged(name, value).
class NVornModelView : public QTableView
{
    Q_OBJECT

public:
    explicit NVornModelView(QWidget* parent = nullptr);

    void addTitle(const QString& text);
    void addTitle(const TranslationHandle& handle);
    // The model takes ownership of the item.
    void addItem(const QString& title, NVornAbstractItem* item);
    void addItem(const TranslationHandle& title, NVornAbstractItem* item);

    QStandardItemModel* model() const { return m_model; }
    bool isEditing() const;

    // By parameter name: the first value item with that name, in row order.
    NVornAbstractItem* item(int name) const;
    int rowOf(int name) const;
    QVariant value(int name) const;
    bool setValue(int name, const QVariant& value);
    void enableItem(int name);
    void disableItem(int name);

    void retranslate();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void parameterChanged(int name, QVariant value);

public slots:
    void onParameterChanged(QStandardItem* item);

private:
    void appendTitleRow(NVornTitleItem* title);
    void appendItemRow(NVornTitleItem* title, NVornAbstractItem* item);
    void setRowEnabled(int name, bool enabled);

    QStandardItemModel* m_model;
    NVornPropertiesDelegate* m_delegate;
};

} // namespace VornModel
} // namespace Common
