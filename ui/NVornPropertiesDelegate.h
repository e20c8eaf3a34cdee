#pragma once

#include <QStyledItemDelegate>

class QStandardItemModel;

namespace Common {
namespace VornModel {

class NVornAbstractItem;

// Hands editing to the property item of the edited cell; other cells are
// edited as by QStyledItemDelegate.
class NVornPropertiesDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NVornPropertiesDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    static NVornAbstractItem* itemOf(const QModelIndex& index);

public slots:
    // For editors that finish in one step (a list choice, a key).
    void commitAndCloseEditor();
};

} // namespace VornModel
} // namespace Common
