#pragma once

#include "communication/DeviceConnectionInfo.h"
#include "search/SearchModeFlags.h"

#include <QVector>

// What the communication context shares with the search page controller.
struct SearchTabData
{
    // Row i of the search page's table, in order of arrival.
    QVector<Common::Communication::DeviceConnectionInfo> foundDevices;
    // 0 connected, 1 not connected, 2 connecting, 4 a request is under way.
    qint32 connectionState = 1;
    SearchModeFlags searchModes;
};
