#pragma once
// A design as the JSON description that `tabulo-cli create` reads and `tabulo-cli describe`
// writes (docs/database-description.md). Reading fills in the defaults (slots, offsets and
// rows that run on from the previous entry) and refuses a design that breaks a rule, naming
// the place; writing gives every value that differs from what reading would assume, so a
// description read and written again is the same text.

#include "design/Design.h"
#include "design/JsonReader.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tabulo::design {

struct ParsedDesign {
    bool ok = false;
    Design design;
    Json document;     // the whole description, records included, for the tool that builds
    std::string error; // "place: reason" when !ok
};

// Reads a description. `baseDir` resolves a "scriptFile" name. The keys of the records
// ("records", "generate", "recordCount") are allowed and left to the caller.
ParsedDesign ParseDesign(std::string_view json, const std::filesystem::path& baseDir);

// The description of a design as UTF-8 text: one object, one line a field or banner.
// `extra` members (such as "records") are added after the design's own.
std::string DescribeDesign(const Design& design, const nlohmann::ordered_json& extra = {});

} // namespace tabulo::design
