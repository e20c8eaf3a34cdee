#pragma once

#include <QString>

// The shared looks of push buttons: green for those that start something,
// red for those that stop something.
namespace ButtonStyles {

QString start();
QString stop();

} // namespace ButtonStyles
