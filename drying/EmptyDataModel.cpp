#include "drying/EmptyDataModel.h"

int EmptyDataModel::rowCount(const QModelIndex&) const { return 0; }

int EmptyDataModel::columnCount(const QModelIndex&) const { return 0; }

QVariant EmptyDataModel::data(const QModelIndex&, int) const { return QVariant(); }

QVariant EmptyDataModel::headerData(int, Qt::Orientation, int) const { return QVariant(); }
