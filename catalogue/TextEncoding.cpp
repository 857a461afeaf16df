// UTF-8 validation and the Windows-1250 code page.
#include "catalogue/TextEncoding.h"

#include <array>
#include <cstdint>

namespace Data {

namespace {

// Code points of the bytes 0x80 to 0xFF in Windows-1250; U+FFFD where the code page has none.
constexpr std::array<std::uint16_t, 128> Windows1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8
};

bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

enum class Sequence { WellFormed, IllFormed, Incomplete };

// Checks the UTF-8 sequence starting at bytes[i] and sets `length` to its length when it is
// well-formed. Incomplete means the bytes end inside a sequence that was well-formed so far.
Sequence CheckSequence(std::string_view bytes, std::size_t i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    // The range allowed for the second byte excludes overlong forms, surrogates and code
    // points beyond U+10FFFF; later bytes are plain continuation bytes.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        length = 1;
        return Sequence::WellFormed;
    } else if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (lead == 0xE0) {
        length = 3;
        low = 0xA0;
    } else if (lead == 0xED) {
        length = 3;
        high = 0x9F;
    } else if (InRange(lead, 0xE1, 0xEF)) {
        length = 3;
    } else if (lead == 0xF0) {
        length = 4;
        low = 0x90;
    } else if (InRange(lead, 0xF1, 0xF3)) {
        length = 4;
    } else if (lead == 0xF4) {
        length = 4;
        high = 0x8F;
    } else {
        return Sequence::IllFormed;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= bytes.size()) return Sequence::Incomplete;
        const auto c = static_cast<unsigned char>(bytes[i + k]);
        if (!(k == 1 ? InRange(c, low, high) : InRange(c, 0x80, 0xBF))) return Sequence::IllFormed;
    }
    return Sequence::WellFormed;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // The code page holds nothing beyond the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::size_t ValidUtf8PrefixLength(std::string_view bytes) {
    std::size_t i = 0;
    std::size_t length = 0;
    while (i < bytes.size() && CheckSequence(bytes, i, length) == Sequence::WellFormed)
        i += length;
    return i;
}

std::string Windows1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? b : Windows1250High[b - 0x80]);
    }
    return out;
}

std::string CatalogueTextToUtf8(std::string_view bytes, std::size_t limit) {
    const std::string_view kept = bytes.substr(0, limit);
    const std::size_t valid = ValidUtf8PrefixLength(kept);
    if (valid == kept.size()) return std::string(kept);
    // The kept part may be UTF-8 whose last character the cut has split: then that character,
    // whole in the bytes beyond the limit, is dropped rather than the text read as 8-bit.
    std::size_t length = 0;
    if (bytes.size() > limit && CheckSequence(bytes, valid, length) == Sequence::WellFormed &&
        valid + length > limit)
        return std::string(kept.substr(0, valid));
    return Windows1250ToUtf8(kept);
}

} // namespace Data
