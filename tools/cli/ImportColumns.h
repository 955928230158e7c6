#pragma once
// The header row of an import file: which field each column fills. Besides field names it
// may name the columns that `export --format csv` adds: "recno" (ignored, the append gives
// the number) and "deleted" (1 marks the record deleted). A field of such a name wins.

#include "TextEncoding.h"
#include "engine/DBHeader.h"

#include <string>
#include <vector>

namespace tabulo::cli {

struct ImportColumn {
    enum class Kind { Field, RecordNumber, Deleted };
    Kind kind = Kind::Field;
    int slot = 0;     // the field's slot, for Kind::Field
    std::string name; // as the header row gives it (Windows-1252)
};

// The columns of the header row; false with the reason for a name that is no field, a
// field named twice or a header that cannot be decoded.
bool ReadImportColumns(const DBHeader& header, const std::vector<std::string>& names,
                       Encoding encoding, std::vector<ImportColumn>& columns, std::string& error);

} // namespace tabulo::cli
