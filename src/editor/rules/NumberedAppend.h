#pragma once
// Appending a new record whose "#" fields carry its own record number. The number is
// written while the append holds the file's lock, after the count has been re-read, so two
// copies of the program saving new records at the same moment never give two records the
// same number.

#include "editor/rules/UpdateChecks.h"
#include "engine/modDB.h"

namespace tabulo {

// AddRecord's result: 1 when the record was appended (with the mark given) and made current.
inline int AddNumberedRecord(modDB& db, RecordMark mark = RecordMark::Live) {
    return db.AddRecord(
        [&db](long number) {
            EngineFields<modDB> fields(db);
            WriteRecordNumbers(fields, number);
        },
        mark);
}

} // namespace tabulo
