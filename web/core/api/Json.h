#pragma once
// A small JSON writer for what the page reads once: the designs and the dial's drawing.

#include <cstdint>
#include <string>
#include <string_view>

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    /// The name of the next member of an object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    /// A colour 0xAARRGGBB as CSS: "#rrggbb", or "rgba(r, g, b, a)" when it is not opaque.
    JsonWriter& Colour(std::uint32_t argb);
    const std::string& Text() const { return text_; }

private:
    void Separate();
    std::string text_;
    bool needsComma_ = false;
};
