#include "lab/ClassCode.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextEncoding.h"
#include "catalogue/TextNumbers.h"

namespace Lab {

std::optional<ClassCodeFault> ClassCodeFaultOf(std::string_view code) {
    if (code.empty()) return ClassCodeFault::Empty;
    if (!Data::IsValidUtf8(code)) return ClassCodeFault::Unsafe;
    int characters = 0;
    for (const char c : code) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++characters;
        // What could be read as markup where the code is shown, or stands for no character.
        if (byte < 0x20 || byte == 0x7F || c == '<' || c == '>' || c == '&' || c == '"' ||
            c == '\'')
            return ClassCodeFault::Unsafe;
    }
    if (characters > LongestClassCode) return ClassCodeFault::TooLong;
    return std::nullopt;
}

std::string Describe(ClassCodeFault fault) {
    switch (fault) {
    case ClassCodeFault::Empty:
        return Data::GetText(Texts::ClassCodeEmpty);
    case ClassCodeFault::TooLong:
        return Data::GetText(Texts::ClassCodeTooLong, {std::to_string(LongestClassCode)});
    case ClassCodeFault::Unsafe:
        break;
    }
    return Data::GetText(Texts::ClassCodeUnsafe);
}

} // namespace Lab
