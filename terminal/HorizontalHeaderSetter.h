#pragma once

#include "terminal/IModelHeaderSetter.h"

class QAbstractItemModel;

namespace Common {

// Writes header labels into a model it does not own.
class HorizontalHeaderSetter : public IModelHeaderSetter
{
public:
    explicit HorizontalHeaderSetter(QAbstractItemModel* model);

    void setHeader(int section, const QString& text) override;

private:
    QAbstractItemModel* m_model;
};

} // namespace Common
