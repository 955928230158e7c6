// Each rule of a valid design refuses its values with the place and the reason that the
// command line and the designer show; a sound design has no problem at all.

#include "design/DesignRules.h"

#include <functional>
#include <gtest/gtest.h>

namespace tabulo::design {
namespace {

Field MadeField(int slot, const char* name, int offset, int length) {
    Field f;
    f.id = f.slot = slot;
    f.name = name;
    f.offset = offset;
    f.length = length;
    f.width = 80;
    f.height = 21;
    return f;
}

Design TwoFields() {
    Design d;
    d.fields = {MadeField(1, "A", 1, 10), MadeField(2, "NAME", 11, 5)};
    d.banners.resize(1);
    d.banners[0].caption = "Name";
    return d;
}

TEST(DesignRules, FirstProblemNamesPlaceAndReason) {
    const struct {
        const char* what;
        std::function<void(Design&)> change;
        std::string problem; // the first problem's text
    } cases[] = {
        {"overlapping fields",
         [](Design& d) {
             d.fields[1].offset = 5;
             d.fields[1].length = 3;
         },
         "fields[1].offset: characters 5-7 overlap field A (fields[0], characters 1-10)"},
        {"a field past the record length", [](Design& d) { d.recordLength = 12; },
         "fields[1].length: characters 11-15 reach beyond the record length 12"},
        {"a field on the deletion mark", [](Design& d) { d.fields[0].offset = 0; },
         "fields[0].offset: character 0 holds the deletion mark"},
        {"an invalid name", [](Design& d) { d.fields[1].name = "First Name"; },
         "fields[1].name: \"First Name\" is not a valid field name (a letter first, then "
         "letters, digits and _, not ending in _)"},
        {"a name used twice", [](Design& d) { d.fields[1].name = "A"; },
         "fields[1].name: \"A\" is used twice"},
        {"a name too long", [](Design& d) { d.fields[0].name = std::string(33, 'N'); },
         "fields[0].name: 33 characters, more than 32"},
        {"an unknown code", [](Design& d) { d.fields[0].format = "Aq"; },
         "fields[0].format: \"q\" is not a format code"},
        {"nine codes", [](Design& d) { d.fields[0].format = "ANSULFMED"; },
         "fields[0].format: 9 characters, more than 8"},
        {"a slot taken twice", [](Design& d) { d.fields[1].slot = 1; },
         "fields[1].slot: slot 1 is already taken by fields[0]"},
        {"a slot beyond 128", [](Design& d) { d.banners[0].slot = 129; },
         "banners[0].slot: expected a whole number from 1 to 128"},
        {"page 9", [](Design& d) { d.fields[0].page = 9; },
         "fields[0].page: expected a whole number from 1 to 8"},
        {"a zero length", [](Design& d) { d.fields[0].length = 0; },
         "fields[0].length: expected a whole number from 1 to 32767"},
        {"a box of no width", [](Design& d) { d.fields[1].width = 0; },
         "fields[1].width: expected a whole number from 1 to 32767"},
        {"a banner left of the window", [](Design& d) { d.banners[0].left = -1; },
         "banners[0].left: expected a whole number from 0 to 32767"},
        {"a long caption", [](Design& d) { d.banners[0].caption = std::string(65, 'c'); },
         "banners[0].caption: 65 characters, more than 64"},
        {"a font size of 256", [](Design& d) { d.banners[0].font.size = 256; },
         "banners[0].font.size: expected a whole number from 0 to 255"},
        {"a window of no height", [](Design& d) { d.window.height = 0; },
         "window.height: expected a whole number from 1 to 32767"},
        {"a long font name", [](Design& d) { d.window.fieldFont.name = std::string(17, 'f'); },
         "window.fieldFont.name: 17 characters, more than 16"},
        {"a long page heading", [](Design& d) { d.pageHeadings[7] = std::string(33, 'h'); },
         "pageHeadings[7]: 33 characters, more than 32"},
        {"a script over 4000 characters", [](Design& d) { d.script = std::string(4001, 'x'); },
         "script: 4001 characters, more than 4000"},
        {"a 129th field", [](Design& d) { d.fields.resize(129, d.fields[0]); },
         "fields[128]: more than 128 entries"},
        {"a date order beyond a byte", [](Design& d) { d.dateOrder = 256; },
         "dateOrder: expected a whole number from 0 to 255"},
    };
    ASSERT_TRUE(Validate(TwoFields()).empty()) << Validate(TwoFields())[0].Text();
    for (const auto& c : cases) {
        Design design = TwoFields();
        c.change(design);
        const std::vector<DesignProblem> problems = Validate(design);
        ASSERT_FALSE(problems.empty()) << c.what;
        EXPECT_EQ(problems[0].Text(), c.problem) << c.what;
    }
}

} // namespace
} // namespace tabulo::design
