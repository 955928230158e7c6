#include "design/JsonReader.h"

#include "base/CodePage.h"
#include "design/DesignRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tabulo::design {

namespace {

const Json kEmptyList = Json::array();

std::optional<int32_t> ParseHexColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    if (!std::all_of(text.begin() + 1, text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
        return std::nullopt;
    const auto rgb = static_cast<uint32_t>(std::strtoul(text.c_str() + 1, nullptr, 16));
    const uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<int32_t>(red + 256 * green + 65536 * blue);
}

// The number as a whole number, when it is one that fits.
std::optional<long long> WholeNumber(const Json& value) {
    if (value.is_number_unsigned()) {
        const auto u = value.get<unsigned long long>();
        if (u > static_cast<unsigned long long>(INT64_MAX)) return std::nullopt;
        return static_cast<long long>(u);
    }
    if (value.is_number_integer()) return value.get<long long>();
    if (!value.is_number_float()) return std::nullopt;
    const double d = value.get<double>();
    if (d != std::floor(d) || std::fabs(d) > 9e15) return std::nullopt;
    return static_cast<long long>(d);
}

} // namespace

long long IntegerValue(const Json& value, const std::string& place, long long min, long long max) {
    const std::optional<long long> number = WholeNumber(value);
    if (!number || *number < min || *number > max)
        throw DescriptionError(place, RangeText(min, max));
    return *number;
}

std::string TextValue(const Json& value, const std::string& place, size_t maxLength) {
    if (!value.is_string()) throw DescriptionError(place, "expected a text");
    std::string text = Utf8ToCp1252(value.get_ref<const std::string&>());
    if (text.size() > maxLength)
        throw DescriptionError(place, std::to_string(text.size()) + " characters, more than " +
                                          std::to_string(maxLength));
    return text;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string ObjectReader::PlaceOf(std::string_view key) const {
    return place_.empty() ? std::string(key) : place_ + "." + std::string(key);
}

void ObjectReader::Fail(std::string_view key, const std::string& message) const {
    throw DescriptionError(key.empty() ? place_ : PlaceOf(key), message);
}

void ObjectReader::AllowOnly(std::initializer_list<std::string_view> keys) const {
    for (const auto& [name, value] : object_->items())
        if (name != "comment" && std::find(keys.begin(), keys.end(), name) == keys.end())
            Fail(name, "unknown key");
}

long long ObjectReader::Integer(const char* key, long long min, long long max,
                                long long fallback) const {
    return Has(key) ? RequiredInteger(key, min, max) : fallback;
}

long long ObjectReader::RequiredInteger(const char* key, long long min, long long max) const {
    if (!Has(key)) Fail(key, "is required");
    return IntegerValue(Value(key), PlaceOf(key), min, max);
}

bool ObjectReader::Boolean(const char* key, bool fallback) const {
    if (!Has(key)) return fallback;
    if (!Value(key).is_boolean()) Fail(key, "expected true or false");
    return Value(key).get<bool>();
}

int ObjectReader::Flag(const char* key, int fallback) const {
    if (!Has(key)) return fallback;
    if (Value(key).is_boolean()) return Value(key).get<bool>() ? 1 : 0;
    if (!Value(key).is_number()) Fail(key, "expected true, false or a number from 0 to 255");
    return static_cast<int>(IntegerValue(Value(key), PlaceOf(key), 0, 255));
}

std::string ObjectReader::Text(const char* key, size_t maxLength, std::string_view fallback) const {
    return Has(key) ? RequiredText(key, maxLength) : std::string(fallback);
}

std::string ObjectReader::RequiredText(const char* key, size_t maxLength) const {
    if (!Has(key)) Fail(key, "is required");
    return TextValue(Value(key), PlaceOf(key), maxLength);
}

int32_t ObjectReader::Colour(const char* key, int32_t fallback) const {
    if (!Has(key)) return fallback;
    const Json& value = Value(key);
    if (value.is_string()) {
        if (auto rgb = ParseHexColour(value.get<std::string>())) return *rgb;
        Fail(key, "expected a colour as \"#RRGGBB\" or a number");
    }
    return static_cast<int32_t>(IntegerValue(value, PlaceOf(key), INT32_MIN, INT32_MAX));
}

uint8_t ObjectReader::NamedByte(const char* key,
                                std::initializer_list<std::pair<const char*, uint8_t>> names,
                                uint8_t fallback) const {
    if (!Has(key)) return fallback;
    const Json& value = Value(key);
    if (!value.is_string()) return static_cast<uint8_t>(IntegerValue(value, PlaceOf(key), 0, 255));
    const auto& given = value.get_ref<const std::string&>();
    std::string choices;
    for (const auto& [name, byte] : names) {
        if (given == name) return byte;
        choices += (choices.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    }
    Fail(key, "expected a number from 0 to 255 or one of " + choices);
}

std::optional<ObjectReader> ObjectReader::Object(const char* key) const {
    if (!Has(key)) return std::nullopt;
    if (!Value(key).is_object()) Fail(key, "expected an object");
    return ObjectReader(Value(key), PlaceOf(key));
}

const Json& ObjectReader::Array(const char* key, size_t maxCount) const {
    if (!Has(key)) return kEmptyList;
    const Json& array = Value(key);
    if (!array.is_array()) Fail(key, "expected a list");
    if (array.size() > maxCount)
        throw DescriptionError(ElementPlace(PlaceOf(key), maxCount),
                               "more than " + std::to_string(maxCount) + " entries");
    return array;
}

std::string ElementPlace(const std::string& arrayPlace, size_t index) {
    return arrayPlace + "[" + std::to_string(index) + "]";
}

ObjectReader ElementObject(const Json& array, size_t index, const std::string& arrayPlace) {
    const std::string place = ElementPlace(arrayPlace, index);
    if (!array.at(index).is_object()) throw DescriptionError(place, "expected an object");
    return ObjectReader(array.at(index), place);
}

} // namespace tabulo::design
