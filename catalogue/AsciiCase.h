#pragma once
// Letter-case folding for names that the program treats as case-blind: file names, INI section
// and key names. Only ASCII letters fold; other bytes compare as they are.

#include <algorithm>
#include <string_view>

namespace Data {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

/// True when a and b are the same apart from the letter case of ASCII letters.
constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

/// Order without regard to ASCII letter case, comparing bytes as unsigned; ties in byte order.
constexpr bool LessIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto folded = [](char c) { return static_cast<unsigned char>(AsciiLower(c)); };
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (folded(a[i]) != folded(b[i])) return folded(a[i]) < folded(b[i]);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b; // std::string_view compares bytes as unsigned char
}

} // namespace Data
