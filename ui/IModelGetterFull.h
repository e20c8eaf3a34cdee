#pragma once

class QAbstractItemModel;

namespace Common {

// Hands out a model for views, and the same model as T for callers that need
// more than QAbstractItemModel offers (implementations may narrow the type).
template <typename T>
class IModelGetterFull
{
public:
    virtual ~IModelGetterFull() = default;
    virtual QAbstractItemModel* model() = 0;
    virtual T* modelFull() = 0;
};

} // namespace Common
