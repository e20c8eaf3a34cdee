#pragma once

#include <QMetaType>
#include <QVariant>

// Names one device command to run: its code and its argument (invalid when
// the command takes none). 35 is the echo, 36 the identification.
struct CommandRequest
{
    CommandRequest() = default;
    CommandRequest(qint32 code, const QVariant& argument = QVariant())
        : code(code), argument(argument)
    { }

    qint32 code = 0;
    QVariant argument;
};

Q_DECLARE_METATYPE(CommandRequest)
