#include "app/MainWindowTrProvider.h"

MainWindowTrProvider::MainWindowTrProvider(QObject* parent) : QObject(parent) { }

QString MainWindowTrProvider::text(int id) const
{
    switch (id) {
    case AboutText:
        return tr("Sorvana is a program created to cooperate with Brenko Moisture Analyzers.");
    case StartAnalysis: return tr("Start analysis");
    case StopAnalysis: return tr("Stop analysis");
    default: return QString();
    }
}
