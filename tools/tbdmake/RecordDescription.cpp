#include "RecordDescription.h"

#include "FormDescription.h"

namespace tabulo::tools {

namespace {

constexpr char kLiveMark = ' ';
constexpr char kDeletedMark = '*';
constexpr const char* kDeletedKey = "_deleted"; // never a field name: names begin with a letter

std::string RecordFromValues(const ObjectReader& entry, const DBHeader& header) {
    std::string record(header.RecordLength, ' ');
    record[0] = entry.Boolean(kDeletedKey, false) ? kDeletedMark : kLiveMark;
    const QJsonObject& values = entry.Json();
    for (auto it = values.begin(); it != values.end(); ++it) {
        std::string name = it.key().toStdString();
        if (name == kDeletedKey) continue;
        int slot = FieldSlotByName(header, name);
        if (slot == 0) entry.Fail(name, "no such field");
        const DBField& f = header.Fields[slot - 1];
        std::string value = WithCrLf(TextValue(it.value(), entry.PlaceOf(name), SIZE_MAX));
        if (value.size() > size_t(f.Length))
            entry.Fail(name, std::to_string(value.size()) + " characters, longer than the field (" +
                                 std::to_string(f.Length) + ")");
        record.replace(f.Offset, value.size(), value);
    }
    return record;
}

// A whole record text as it stands in the file, mark character first.
std::string RecordFromText(const QJsonValue& text, const std::string& place,
                           const DBHeader& header) {
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

GenerateRequest ReadGenerate(const ObjectReader& description, long listed) {
    GenerateRequest request;
    if (!description.Has("generate")) return request;
    QJsonValue value = description.Json().value("generate");
    std::string place = "generate";
    if (value.isObject()) {
        ObjectReader reader(value.toObject(), place);
        reader.AllowOnly({"count", "deletedEvery"});
        request.deletedEvery = static_cast<long>(reader.Integer("deletedEvery", 0, kMaxRecords, 0));
        value = value.toObject().value("count");
        place = reader.PlaceOf("count");
    }
    request.count = static_cast<long>(IntegerValue(value, place, 0, kMaxRecords));
    if (listed + request.count > kMaxRecords)
        throw DescriptionError(
            place, std::to_string(listed) + " listed and " + std::to_string(request.count) +
                       " generated records are more than " + std::to_string(kMaxRecords));
    return request;
}

} // namespace

std::vector<std::string> ReadRecords(const ObjectReader& description, const DBHeader& header) {
    QJsonArray list = description.Array("records", kMaxRecords);
    GenerateRequest generate = ReadGenerate(description, list.size());
    std::vector<std::string> records;
    records.reserve(list.size() + generate.count);
    for (int i = 0; i < list.size(); ++i) {
        std::string place = ElementPlace("records", i);
        if (list.at(i).isString())
            records.push_back(RecordFromText(list.at(i), place, header));
        else if (list.at(i).isObject())
            records.push_back(RecordFromValues(ObjectReader(list.at(i).toObject(), place), header));
        else
            throw DescriptionError(place, "expected an object of field values or a record text");
    }
    for (long n = 1; n <= generate.count; ++n) {
        bool deleted = generate.deletedEvery > 0 && n % generate.deletedEvery == 0;
        records.push_back(SyntheticRecord(header, static_cast<long>(records.size()) + 1, deleted));
    }
    return records;
}

} // namespace tabulo::tools
