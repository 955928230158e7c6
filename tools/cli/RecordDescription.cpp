#include "RecordDescription.h"

namespace tabulo::cli {

using design::DescriptionError;
using design::ElementPlace;
using design::IntegerValue;
using design::Json;
using design::ObjectReader;
using design::TextValue;
using design::WithCrLf;

namespace {

constexpr char kLiveMark = ' ';
constexpr char kDeletedMark = '*';
constexpr const char* kDeletedKey = "_deleted"; // never a field name: names begin with a letter

// Field slot (1-based) whose trimmed name is `name`, 0 if none.
int FieldSlotByName(const DBHeader& header, const std::string& name) {
    for (int slot = 1; slot <= kMaxFields; ++slot)
        if (header.Fields[slot - 1].Page != 0 && TrimSpaces(header.Fields[slot - 1].Name) == name)
            return slot;
    return 0;
}

std::string RecordFromValues(const ObjectReader& entry, const DBHeader& header) {
    std::string record(header.RecordLength, ' ');
    record[0] = entry.Boolean(kDeletedKey, false) ? kDeletedMark : kLiveMark;
    for (const auto& [name, value] : entry.JsonObject().items()) {
        if (name == kDeletedKey) continue;
        const int slot = FieldSlotByName(header, name);
        if (slot == 0) entry.Fail(name, "no such field");
        const DBField& f = header.Fields[slot - 1];
        const std::string text = WithCrLf(TextValue(value, entry.PlaceOf(name), SIZE_MAX));
        if (text.size() > size_t(f.Length))
            entry.Fail(name, std::to_string(text.size()) + " characters, longer than the field (" +
                                 std::to_string(f.Length) + ")");
        record.replace(f.Offset, text.size(), text);
    }
    return record;
}

// A whole record text as it stands in the file, mark character first.
std::string RecordFromText(const Json& text, const std::string& place, const DBHeader& header) {
    std::string record = TextValue(text, place, SIZE_MAX);
    if (record.size() > size_t(header.RecordLength))
        throw DescriptionError(place, std::to_string(record.size()) +
                                          " characters, longer than the record length " +
                                          std::to_string(header.RecordLength));
    record.resize(header.RecordLength, ' ');
    return record;
}

struct GenerateRequest {
    long count = 0;
    long deletedEvery = 0; // every n-th generated record is marked; 0: none
};

GenerateRequest ReadGenerate(const ObjectReader& description, size_t listed) {
    GenerateRequest request;
    if (!description.Has("generate")) return request;
    const Json* value = &description.Value("generate");
    std::string place = "generate";
    if (value->is_object()) {
        const ObjectReader reader(*value, place);
        reader.AllowOnly({"count", "deletedEvery"});
        request.deletedEvery = static_cast<long>(reader.Integer("deletedEvery", 0, kMaxRecords, 0));
        if (!reader.Has("count")) reader.Fail("count", "is required");
        value = &reader.Value("count");
        place = reader.PlaceOf("count");
    }
    request.count = static_cast<long>(IntegerValue(*value, place, 0, kMaxRecords));
    if (static_cast<long>(listed) + request.count > kMaxRecords)
        throw DescriptionError(
            place, std::to_string(listed) + " listed and " + std::to_string(request.count) +
                       " generated records are more than " + std::to_string(kMaxRecords));
    return request;
}

} // namespace

std::vector<std::string> ReadRecords(const ObjectReader& description, const DBHeader& header) {
    const Json& list = description.Array("records", kMaxRecords);
    const GenerateRequest generate = ReadGenerate(description, list.size());
    std::vector<std::string> records;
    records.reserve(list.size() + generate.count);
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string place = ElementPlace("records", i);
        if (list[i].is_string())
            records.push_back(RecordFromText(list[i], place, header));
        else if (list[i].is_object())
            records.push_back(RecordFromValues(ObjectReader(list[i], place), header));
        else
            throw DescriptionError(place, "expected an object of field values or a record text");
    }
    for (long n = 1; n <= generate.count; ++n) {
        const bool deleted = generate.deletedEvery > 0 && n % generate.deletedEvery == 0;
        records.push_back(SyntheticRecord(header, static_cast<long>(records.size()) + 1, deleted));
    }
    return records;
}

} // namespace tabulo::cli
