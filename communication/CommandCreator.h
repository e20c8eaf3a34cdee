#pragma once

#include "communication/CommandRequest.h"

#include <QObject>

namespace Common {
namespace Communication {

class Command;

// Turns command codes into command objects; the product plugs in its own.
// The caller owns every command returned.
class CommandCreator : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual Command* createEcho() = 0; // the keep-alive echo
    virtual bool isEcho(Command* command) = 0;
    virtual Command* create(CommandRequest request) = 0;
    virtual CommandRequest deviceInfoRequest() = 0;
};

} // namespace Communication
} // namespace Common
