#pragma once
// Typed, checked access to the members of a JSON database description. Every failure
// throws a DescriptionError that names the place in the description ("fields[3].offset").

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tabulo::design {

using Json = nlohmann::json;

class DescriptionError : public std::runtime_error {
public:
    DescriptionError(const std::string& place, const std::string& message)
        : std::runtime_error(place.empty() ? message : place + ": " + message) {}
};

// Free-standing values: a record's field value, a page heading, a count.
long long IntegerValue(const Json& value, const std::string& place, long long min, long long max);
// UTF-8 text of the description as Windows-1252 bytes, at most maxLength characters.
std::string TextValue(const Json& value, const std::string& place, size_t maxLength);
// Line breaks written as LF in the description are stored as CR LF in the file.
std::string WithCrLf(std::string_view text);

// One JSON object of the description and its place ("" for the whole description). The
// object must outlive the reader.
class ObjectReader {
public:
    ObjectReader(const Json& object, std::string place)
        : object_(&object), place_(std::move(place)) {}

    const std::string& Place() const { return place_; }
    std::string PlaceOf(std::string_view key) const;
    [[noreturn]] void Fail(std::string_view key, const std::string& message) const;

    // Refuses any key not listed ("comment" is always allowed and ignored).
    void AllowOnly(std::initializer_list<std::string_view> keys) const;
    bool Has(const char* key) const { return object_->contains(key); }
    const Json& Value(const char* key) const { return object_->at(key); }
    const Json& JsonObject() const { return *object_; }

    long long Integer(const char* key, long long min, long long max, long long fallback) const;
    long long RequiredInteger(const char* key, long long min, long long max) const;
    bool Boolean(const char* key, bool fallback) const;
    // A stored flag byte: true (1), false (0) or the byte itself.
    int Flag(const char* key, int fallback) const;
    std::string Text(const char* key, size_t maxLength, std::string_view fallback) const;
    std::string RequiredText(const char* key, size_t maxLength) const;
    // A colour as an RGB number (red + 256 x green + 65536 x blue) or "#RRGGBB".
    int32_t Colour(const char* key, int32_t fallback) const;
    // A byte given as a number or as one of the named values.
    uint8_t NamedByte(const char* key, std::initializer_list<std::pair<const char*, uint8_t>> names,
                      uint8_t fallback) const;
    std::optional<ObjectReader> Object(const char* key) const;
    // The list under key (an empty list when the key is absent), at most maxCount entries.
    const Json& Array(const char* key, size_t maxCount) const;

private:
    const Json* object_;
    std::string place_;
};

// Element `index` of a list that must hold objects; its place is "name[index]".
ObjectReader ElementObject(const Json& array, size_t index, const std::string& arrayPlace);
std::string ElementPlace(const std::string& arrayPlace, size_t index);

} // namespace tabulo::design
