#include "ImportColumns.h"

#include "DatabaseReader.h"
#include "base/CodePage.h"

#include <algorithm>

namespace tabulo::cli {

namespace {

bool ColumnOf(const DBHeader& h, const std::string& name, ImportColumn& column) {
    column.name = name;
    column.slot = FieldInUseNamed(h, name);
    if (column.slot != 0)
        column.kind = ImportColumn::Kind::Field;
    else if (name == "recno")
        column.kind = ImportColumn::Kind::RecordNumber;
    else if (name == "deleted")
        column.kind = ImportColumn::Kind::Deleted;
    else
        return false;
    return true;
}

} // namespace

bool ReadImportColumns(const DBHeader& header, const std::vector<std::string>& names,
                       Encoding encoding, std::vector<ImportColumn>& columns, std::string& error) {
    columns.clear();
    for (const std::string& given : names) {
        std::string name, problem;
        if (!DecodeText(given, encoding, name, problem)) {
            error = "the header row: " + problem;
            return false;
        }
        name = TrimSpaces(name);
        ImportColumn column;
        if (!ColumnOf(header, name, column)) {
            error = "the header row: no field named " + Cp1252ToUtf8(name);
            return false;
        }
        const bool twice = std::any_of(columns.begin(), columns.end(), [&](const ImportColumn& c) {
            return c.kind == column.kind && c.slot == column.slot;
        });
        if (twice) {
            error = "the header row: " + Cp1252ToUtf8(name) + " is named twice";
            return false;
        }
        columns.push_back(column);
    }
    return true;
}

} // namespace tabulo::cli
