#pragma once

#include <QString>

// Drying profile; decides which profile values a parameter set carries.
// The device, the database column DryingProfile and the profile combo box
// number it 0 to 4.
namespace DryingProfile {

enum Type { Standard = 0, Slow = 1, Step = 2, Fast = 3, Spec = 4, Unknown = 5 };

QString name(int profile);
Type fromName(const QString& text);
int toDeviceValue(int profile);
Type fromDeviceValue(int value);

} // namespace DryingProfile
