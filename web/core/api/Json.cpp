#include "web/core/api/Json.h"

#include <cstdio>

void JsonWriter::Separate() {
    if (needsComma_) text_ += ',';
    needsComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    text_ += '{';
    needsComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    text_ += '}';
    needsComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    text_ += '[';
    needsComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    text_ += ']';
    needsComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    String(name);
    text_ += ':';
    needsComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view s) {
    Separate();
    text_ += '"';
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            text_ += escaped;
        } else {
            text_ += c; // UTF-8 bytes pass as they are
        }
    }
    text_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
    Separate();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    text_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Colour(std::uint32_t argb) {
    const unsigned alpha = argb >> 24;
    char css[32];
    if (alpha == 0xFF) {
        std::snprintf(css, sizeof css, "#%06x", static_cast<unsigned>(argb & 0xFFFFFFu));
    } else {
        // The opacity to three decimals, written without the C library's locale.
        const unsigned thousandths = (alpha * 1000 + 127) / 255;
        std::snprintf(css, sizeof css, "rgba(%u, %u, %u, %u.%03u)", (argb >> 16) & 0xFFu,
                      (argb >> 8) & 0xFFu, argb & 0xFFu, thousandths / 1000, thousandths % 1000);
    }
    return String(css);
}
