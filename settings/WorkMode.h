#pragma once

#include <QString>

// Work mode of the analyzer. The device, the database column WorkMode and the
// work-mode combo box all number it the same way (0 Short, 1 Time).
namespace WorkMode {

enum Type { Short = 0, Time = 1, Unknown = 2 };

QString name(int mode);
// Exact, case-sensitive match; anything else gives Unknown.
Type fromName(const QString& text);
int toDeviceValue(int mode);
Type fromDeviceValue(int value);

} // namespace WorkMode
