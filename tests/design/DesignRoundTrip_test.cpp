// A design goes through the header and through its JSON description without a byte
// changing: the shipped samples and many made-up designs that use every member's range.

#include "RandomDesign.h"
#include "design/DesignJson.h"
#include "design/DesignRules.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tabulo::design {
namespace {

constexpr unsigned kRandomDesigns = 200;

std::string SampleText(const std::string& name) {
    std::filesystem::path file = TABULO_SAMPLES_DIR;
    file /= name + ".json";
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Design ParsedOrFail(const std::string& json) {
    ParsedDesign parsed = ParseDesign(json, TABULO_SAMPLES_DIR);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    return parsed.design;
}

// Header bytes, decoded and made into a design, encode to the same bytes; the description
// of that design reads back as the same design, and describes itself in the same text.
void ExpectRoundTrips(const Design& design) {
    ASSERT_TRUE(Validate(design).empty()) << Validate(design)[0].Text();
    const std::string bytes = EncodeHeader(HeaderFromDesign(design, 7));
    const DBHeader decoded = DecodeHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    const Design fromHeader = DesignFromHeader(decoded);
    EXPECT_EQ(EncodeHeader(HeaderFromDesign(fromHeader, 7)), bytes);

    const std::string text = DescribeDesign(fromHeader);
    Design reread = ParsedOrFail(text);
    EXPECT_EQ(EncodeHeader(HeaderFromDesign(reread, 7)), bytes) << text;
    EXPECT_EQ(DescribeDesign(reread), text);
}

TEST(DesignRoundTrip, ShippedSamples) {
    for (const char* name : {"Contacts", "Cities", "Inventory", "Books"}) {
        SCOPED_TRACE(name);
        ExpectRoundTrips(ParsedOrFail(SampleText(name)));
    }
}

TEST(DesignRoundTrip, MadeUpDesigns) {
    for (unsigned seed = 1; seed <= kRandomDesigns; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Design design = test::RandomDesign(seed);
        ExpectRoundTrips(design);
        // Ids are the slots of a header, so the made-up design comes back equal, its
        // fields and banners in the order of their slots.
        Design bySlot = design;
        auto slotOrder = [](const auto& a, const auto& b) { return a.slot < b.slot; };
        std::sort(bySlot.fields.begin(), bySlot.fields.end(), slotOrder);
        std::sort(bySlot.banners.begin(), bySlot.banners.end(), slotOrder);
        EXPECT_TRUE(DesignFromHeader(HeaderFromDesign(design)) == bySlot);
    }
}

TEST(DesignRoundTrip, DescriptionDefaultsAreWrittenOut) {
    // A terse description gains its defaults once, then stays as it is.
    const Design terse = ParsedOrFail(R"({"fields":[{"name":"A","length":3},
        {"name":"B","length":2,"was":"OLD"}],"banners":[{"caption":"Hello"}]})");
    const std::string text = DescribeDesign(terse);
    EXPECT_NE(text.find(R"({"name":"B","was":"OLD","length":2,"left":150,"top":65,)"),
              std::string::npos)
        << text;
    EXPECT_EQ(DescribeDesign(ParsedOrFail(text)), text);
}

} // namespace
} // namespace tabulo::design
