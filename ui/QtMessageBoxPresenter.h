#pragma once

#include "ui/IMessageBoxPresenter.h"

// Shows the box as a modal QMessageBox (a nested event loop keeps queued
// signals flowing while the user decides).
class QtMessageBoxPresenter : public IMessageBoxPresenter
{
public:
    QMessageBox::StandardButton present(const MessageBoxRequest& request) override;
};
