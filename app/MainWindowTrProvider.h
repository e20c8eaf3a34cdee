#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Texts of the main window: the about text and the window-level icons.
class MainWindowTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum TextId { AboutText = 0, StartAnalysis = 1, StopAnalysis = 2 };

    explicit MainWindowTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
