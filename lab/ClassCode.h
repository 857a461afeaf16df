#pragma once
// The teacher's class code, which makes each student's chamber their own (model/AssessedChamber.h):
// any text of up to 64 characters, with no markup and no control character, so that it can stand
// in an address, a catalogue and a report as it is.

#include <optional>
#include <string>
#include <string_view>

namespace Lab {

/// The longest class code, in characters.
constexpr int LongestClassCode = 64;

/// Why a class code cannot be used.
enum class ClassCodeFault {
    Empty,   ///< no character at all
    TooLong, ///< more than LongestClassCode characters
    Unsafe,  ///< markup ("<", ">", "&", quotes), a control character, or no valid UTF-8
};

/// What is wrong with a class code, or nothing when it can be used.
std::optional<ClassCodeFault> ClassCodeFaultOf(std::string_view code);

/// The fault as the catalogue words it, naming the code's place (the catalogue, the address, the
/// command line).
std::string Describe(ClassCodeFault fault);

} // namespace Lab
