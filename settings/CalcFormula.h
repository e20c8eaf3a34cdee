#pragma once

#include <QString>

// Humidity formula of a drying run. The device, the database column Formula
// and the formula combo box use an index in which 1 and 2 are swapped against
// the enumeration (toIndex/fromIndex).
namespace CalcFormula {

enum Type {
    M0MinusMnOverM0 = 0, // (m0-mn)/m0
    M0MinusMnOverMn = 1, // (m0-mn)/mn
    MnOverM0 = 2, // (mn/m0)
    Unknown = 3
};

// Empty for an unknown formula, and then without the suffix.
QString name(int formula, bool withPercent = false);
QString nameOrUnknown(int formula);
Type fromName(const QString& text);
int toIndex(int formula);
Type fromIndex(int index);
// Rich-text labels; key 1 is formula 0 and key 0 formula 1.
QString htmlLabel(int key);
Type defaultValue();
bool isMnOverM0(int formula);

} // namespace CalcFormula
