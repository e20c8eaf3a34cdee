#pragma once

namespace Common {
namespace RunContext {

// Converts a value-id enumeration to and from the plain integers that the
// settings, the dialogs and the reports use.
template <typename Enum>
struct ValueIntConverter
{
    static int toInt(Enum value) { return static_cast<int>(value); }
    static Enum fromInt(int value) { return static_cast<Enum>(value); }
};

} // namespace RunContext
} // namespace Common
