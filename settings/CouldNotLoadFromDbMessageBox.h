#pragma once

#include "settings/ICouldNotLoadFromDbMessageBox.h"

#include <QObject>

struct MessageBoxContext;

namespace KD {

class CouldNotLoadFromDbMessageBox : public QObject, public ICouldNotLoadFromDbMessageBox
{
    Q_OBJECT

public:
    explicit CouldNotLoadFromDbMessageBox(MessageBoxContext* context, QObject* parent = nullptr);
    void show() override;

private:
    MessageBoxContext* m_context;
};

} // namespace KD
