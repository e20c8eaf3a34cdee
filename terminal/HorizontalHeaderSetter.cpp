#include "terminal/HorizontalHeaderSetter.h"

#include <QAbstractItemModel>

namespace Common {

HorizontalHeaderSetter::HorizontalHeaderSetter(QAbstractItemModel* model) : m_model(model) { }

void HorizontalHeaderSetter::setHeader(int section, const QString& text)
{
    if (m_model)
        m_model->setHeaderData(section, Qt::Horizontal, text, Qt::DisplayRole);
}

} // namespace Common
