#include "JsonReader.h"

#include "engine/CodePage.h"

#include <algorithm>
#include <cmath>

namespace tabulo::tools {

namespace {

std::string RangeText(long long min, long long max) {
    return "expected a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

std::optional<int32_t> ParseHexColour(const QString& text) {
    if (text.size() != 7 || !text.startsWith('#')) return std::nullopt;
    bool ok = false;
    uint32_t rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<int32_t>(red + 256 * green + 65536 * blue);
}

} // namespace

long long IntegerValue(const QJsonValue& value, const std::string& place, long long min,
                       long long max) {
    double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < double(min) ||
        number > double(max))
        throw DescriptionError(place, RangeText(min, max));
    return static_cast<long long>(number);
}

std::string TextValue(const QJsonValue& value, const std::string& place, size_t maxLength) {
    if (!value.isString()) throw DescriptionError(place, "expected a text");
    std::string text = Utf8ToCp1252(value.toString().toStdString());
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
    for (const QString& key : object_.keys()) {
        std::string name = key.toStdString();
        if (name != "comment" && std::find(keys.begin(), keys.end(), name) == keys.end())
            Fail(name, "unknown key");
    }
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
    if (!Value(key).isBool()) Fail(key, "expected true or false");
    return Value(key).toBool();
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
    QJsonValue value = Value(key);
    if (value.isString()) {
        if (auto rgb = ParseHexColour(value.toString())) return *rgb;
        Fail(key, "expected a colour as \"#RRGGBB\" or a number");
    }
    return static_cast<int32_t>(IntegerValue(value, PlaceOf(key), INT32_MIN, INT32_MAX));
}

uint8_t ObjectReader::NamedByte(const char* key,
                                std::initializer_list<std::pair<const char*, uint8_t>> names,
                                uint8_t fallback) const {
    if (!Has(key)) return fallback;
    QJsonValue value = Value(key);
    if (!value.isString()) return static_cast<uint8_t>(IntegerValue(value, PlaceOf(key), 0, 255));
    std::string given = value.toString().toStdString(), choices;
    for (const auto& [name, byte] : names) {
        if (given == name) return byte;
        choices +=
            choices.empty() ? std::string("\"") + name + "\"" : std::string(", \"") + name + "\"";
    }
    Fail(key, "expected a number from 0 to 255 or one of " + choices);
}

std::optional<ObjectReader> ObjectReader::Object(const char* key) const {
    if (!Has(key)) return std::nullopt;
    if (!Value(key).isObject()) Fail(key, "expected an object");
    return ObjectReader(Value(key).toObject(), PlaceOf(key));
}

QJsonArray ObjectReader::Array(const char* key, int maxCount) const {
    if (!Has(key)) return {};
    if (!Value(key).isArray()) Fail(key, "expected a list");
    QJsonArray array = Value(key).toArray();
    if (array.size() > maxCount)
        throw DescriptionError(ElementPlace(PlaceOf(key), maxCount),
                               "more than " + std::to_string(maxCount) + " entries");
    return array;
}

std::string ElementPlace(const std::string& arrayPlace, int index) {
    return arrayPlace + "[" + std::to_string(index) + "]";
}

ObjectReader ElementObject(const QJsonArray& array, int index, const std::string& arrayPlace) {
    std::string place = ElementPlace(arrayPlace, index);
    if (!array.at(index).isObject()) throw DescriptionError(place, "expected an object");
    return ObjectReader(array.at(index).toObject(), place);
}

} // namespace tabulo::tools
