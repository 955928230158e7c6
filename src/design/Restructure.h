#pragma once
// A new design over a database's records. Each field of the new design takes its values
// from the old field of the same identity (a description names it by name, or by "was"
// for a rename): trimmed, then padded or cut to the new length. Every record keeps its
// place and its deletion mark; new fields are blank; removed fields' values go.
//
// First the plan: what would be rewritten, removed and cut, read from the records without
// changing a byte. Then the change itself, by the pack's file steps (modDB::RewriteRecords):
// the lock held throughout, a work file that counts no record until it is complete, the old
// file kept as ".Bak", a kill at any step repaired on the next open. A change that loses a
// non-blank value is made only when the caller allows it.

#include "design/Design.h"
#include "design/DesignRules.h"
#include "engine/Reporter.h"
#include "engine/modDB.h"

#include <string>
#include <vector>

namespace tabulo::design {

// Values of one field that a change would lose.
struct ValueLoss {
    std::string field;              // the old field's name
    int newLength = 0;              // the length it is cut to; 0 when the field is removed
    long count = 0;                 // non-blank values lost or cut
    std::vector<long> firstRecords; // the numbers of the first few of those records
};

struct RestructurePlan {
    long records = 0;
    int oldRecordLength = 0, newRecordLength = 0;
    std::vector<std::string> added;   // new fields' names
    std::vector<std::string> renamed; // "OLD -> NEW"
    std::vector<ValueLoss> removed;   // every removed field, with its non-blank values
    std::vector<ValueLoss> cut;       // fields whose values would be cut (count > 0)

    bool LosesValues() const;
    // The plan in words, one line each, CR-less ("\n").
    std::string Text(const std::string& database) const;
};

struct Restructure {
    Design old;                          // the design the plan was made against
    Design next;                         // the new design, its fields linked to the old ones
    std::vector<DesignProblem> problems; // why it cannot be made; empty when it can
    RestructurePlan plan;
};

// Links the fields of `next` to those of `old`: a field keeps its identity when it has one
// of the old design's; otherwise it takes the identity of the old field named by its `was`,
// or else of its own name; what remains is a new field. Problems: a `was` that names no old
// field, two fields that take the values of the same one.
std::vector<DesignProblem> LinkFields(const Design& old, Design& next);

// Links and checks the new design, then reads every record of the open database for the
// plan. Problems when the design is invalid or a record cannot be read.
Restructure PlanRestructure(modDB& db, Design next);

// Makes the change planned; refused (0, with a message through the database's reporter)
// when it would lose values that `allowLoss` does not allow, or when the database's form or
// records changed since the plan in a way that loses more. 1 when done; the database is
// then the new file, open.
int ApplyRestructure(modDB& db, const Restructure& restructure, bool allowLoss,
                     ProgressSink& progress);

} // namespace tabulo::design
