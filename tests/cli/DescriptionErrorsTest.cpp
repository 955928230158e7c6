// Every bad description is refused with a message that names the place, and an older
// database file of the same name is left as it was. The rules of a valid design have their
// own table (tests/design); one of them here shows that the tool reports them.

#include "Description.h"
#include "NamedCase.h"
#include "TempDir.h"
#include "TestDb.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tabulo::cli {
namespace {

struct BadDescription {
    const char* what;
    std::string json;
    std::string error; // the message after "description.json: ", compared as a prefix
};

std::string ManyFields(int count) {
    std::string list;
    for (int i = 1; i <= count; ++i)
        list += (i > 1 ? "," : "") + std::string(R"({"name":"F)") + std::to_string(i) +
                R"(","length":1})";
    return R"({"fields":[)" + list + "]}";
}

std::string ScriptOfLines(int lines) {
    std::string script;
    for (int i = 0; i < lines; ++i)
        script += "abc\\n";
    return R"({"script":")" + script + R"("})";
}

const std::string kTwoFields = R"("fields":[{"name":"A","length":10},{"name":"NAME","length":5}])";

std::vector<BadDescription> BadDescriptions() {
    return {
        {"overlapping fields",
         R"({"fields":[{"name":"A","length":10},{"name":"B","length":3,"offset":5}]})",
         "fields[1].offset: characters 5-7 overlap field A (fields[0], characters 1-10)"},
        {"an automatic offset past the largest Integer",
         R"({"fields":[{"name":"A","length":32767},{"name":"B","length":1}]})",
         "fields[1].offset: the field would start at character 32768, past the largest offset "
         "32767"},
        {"a 129th field", ManyFields(129), "fields[128]: more than 128 entries"},
        {"a field numbered beyond 128",
         R"({"fields":[{"slot":128,"name":"A","length":1},{"name":"B","length":1}]})",
         "fields[1]: field number 129 is beyond 128"},
        {"a script that outgrows 4000 characters with CR LF line ends", ScriptOfLines(1000),
         "script: 5000 characters, more than 4000"},
        {"script and scriptFile together", R"({"script":"","scriptFile":"a.vbs"})",
         "script: give either script or scriptFile"},
        {"a missing script file", R"({"scriptFile":"nope.vbs"})",
         "scriptFile: cannot read \"nope.vbs\""},
        {"a value longer than its field",
         "{" + kTwoFields + R"(,"records":[{},{"NAME":"Smithe"}]})",
         "records[1].NAME: 6 characters, longer than the field (5)"},
        {"a value that is not text", "{" + kTwoFields + R"(,"records":[{"A":5}]})",
         "records[0].A: expected a text"},
        {"a record that is neither values nor text", R"({"records":[5]})",
         "records[0]: expected an object of field values or a record text"},
        {"a record text beyond the record length",
         R"({"recordLength":11,"records":["  123456789012"]})",
         "records[0]: 14 characters, longer than the record length 11"},
        {"too many records", R"({"records":[" "],"generate":65530})",
         "generate: 1 listed and 65530 generated records are more than 65530"},
        {"an unknown top-level key", R"({"colour":1})", "colour: unknown key"},
        {"a malformed colour", R"({"window":{"backColor":"#12345"}})",
         "window.backColor: expected a colour as \"#RRGGBB\" or a number"},
        {"an unnamed print orientation", R"({"printOrientation":"sideways"})",
         "printOrientation: expected a number from 0 to 255 or one of \"portrait\", "
         "\"landscape\""},
        {"a JSON syntax error", "{\n  \"fields\": [,]\n}", "line 2, column 14: not valid JSON"},
        {"text that is not UTF-8", "{\"pageHeadings\": [\"\xFF\"]}", "line 1, column"},
        {"a list nested deeper than any description", std::string(100000, '['), "line 1, column"},
        {"a list instead of an object", "[1, 2]", "the description must be a JSON object"},
        {"generated records without a count", R"({"generate":{"deletedEvery":2}})",
         "generate.count: is required"},
        {"a fractional length", R"({"fields":[{"name":"A","length":1.5}]})",
         "fields[0].length: expected a whole number from 1 to 32767"},
    };
}

class DescriptionErrors : public testing::TestWithParam<BadDescription> {};

TEST_P(DescriptionErrors, NamePlaceAndWriteNothing) {
    test::TempDir dir;
    std::string description = dir.File("description.json");
    std::ofstream(description) << GetParam().json;
    std::string output = dir.File("Out.Tbd");
    std::ofstream(output) << "older contents";

    std::string error = MakeDatabase(FilePath(description), FilePath(output));

    std::string expected = description + ": " + GetParam().error;
    EXPECT_EQ(error.substr(0, expected.size()), expected) << error;
    EXPECT_EQ(test::ReadFileBytes(output), "older contents");
    EXPECT_FALSE(std::filesystem::exists(output + ".part"));
}

INSTANTIATE_TEST_SUITE_P(Tbdmake, DescriptionErrors, testing::ValuesIn(BadDescriptions()),
                         test::CaseName<BadDescription>);

} // namespace
} // namespace tabulo::cli
