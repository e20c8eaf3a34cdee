#pragma once

// Told that the connected device has gone.
class IDisconnectionListener
{
public:
    virtual ~IDisconnectionListener() = default;
    virtual void onDisconnection() = 0;
};
