#pragma once

#include <QObject>

namespace KD {

// Translated description of each analyzer command code, for error reports.
class CommandsDescProvider : public QObject
{
    Q_OBJECT
public:
    explicit CommandsDescProvider(QObject* parent = nullptr);

    // Empty for a code that has no command.
    QString description(int code) const;
};

} // namespace KD
