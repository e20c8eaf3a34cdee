#pragma once

#include <QObject>
#include <QStandardItem>
#include <QVariant>

namespace Common {
namespace VornModel {

class NVornPropertiesDelegate;

// One cell of the property table. The value lives under Qt::UserRole; the
// table always shows displayText(), and an edit-role write sets the value.
class NVornAbstractItem : public QObject, public QStandardItem
{
public:
    explicit NVornAbstractItem(int name = -1);

    int name() const { return m_name; }

    virtual QWidget* createEditor(QWidget* parent, const QModelIndex& index,
                                  NVornPropertiesDelegate* delegate);
    virtual bool setEditorData(QWidget* editor);
    virtual void destroyEditor(QWidget* editor);
    virtual QVariant value() const;
    virtual void setModelData(QWidget* editor);
    virtual QString displayText() const;
    virtual void retranslate();
    virtual void setValue(const QVariant& value);

    QVariant data(int role = Qt::UserRole + 1) const override;
    void setData(const QVariant& value, int role = Qt::UserRole + 1) override;

private:
    int m_name;
};

} // namespace VornModel
} // namespace Common
