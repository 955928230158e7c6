#pragma once
// The form part of a description: window, fonts, fields, banners, page headings, script.

#include "JsonReader.h"
#include "engine/DBHeader.h"

#include <filesystem>

namespace tabulo::cli {

// Fills everything of the header except RecordCount; fields get their offsets and the
// record length is settled, so records can be placed afterwards.
void ReadForm(const ObjectReader& description, const std::filesystem::path& baseDir,
              DBHeader& header);

// Field slot (1-based) whose trimmed name is `name`, 0 if none.
int FieldSlotByName(const DBHeader& header, const std::string& name);

} // namespace tabulo::cli
