#pragma once

#include <QHostAddress>

// A device that the network search tries directly, besides the modules found
// by broadcast; valid once set with an address.
struct DirectConnectionTarget
{
    QHostAddress address;
    quint16 port = 0;
    bool valid = false;

    void set(const QHostAddress& newAddress, quint16 newPort)
    {
        address = newAddress;
        port = newPort;
        valid = !newAddress.isNull();
    }
};
