#pragma once
// What a rewrite of the open database by the pack's file steps makes of it: the header of
// the new file and what each old record becomes. Pack keeps the records not marked deleted;
// a restructure gives every record the layout of a new design. The steps (lock, work file,
// copy of the old file, swap, ".Bak") are the same for both, and so is the repair of a
// rewrite cut short (PackRecovery.h).

#include "engine/DBHeader.h"

#include <string>
#include <string_view>

namespace tabulo {

class RecordRewrite {
public:
    virtual ~RecordRewrite() = default;

    // The header of the new file, given the old one; its RecordCount is the rewrite's.
    virtual DBHeader NewHeader(const DBHeader& old) const = 0;
    // Called once the lock is held, with the header read afresh and the number of records
    // to be rewritten; false stops the rewrite before anything is written.
    virtual bool Begin(const DBHeader& /*old*/, long /*total*/) { return true; }
    // Appends what record number k becomes (nothing: it is dropped); false stops the rewrite.
    virtual bool Rewrite(long k, std::string_view record, std::string& out) = 0;
    // Why Begin or Rewrite stopped.
    virtual const char* Refusal() const { return ""; }

    // The words of its messages: the title of the boxes, "The database has been packed"
    // and "The pack stopped".
    virtual const char* Title() const = 0;
    virtual const char* Done() const = 0;
    virtual const char* Stopped() const = 0;
};

} // namespace tabulo
