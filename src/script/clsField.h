#pragma once
// clsField: the object scripts reach as `Tb`. Through it a script reads and changes the
// fields of the record on screen, opens a second database for look-ups and reads and
// writes its records, fills the window's Actions menu, allows or forbids deletion and asks
// for a password.
//
// Cancel is the veto flag: the script host clears it before a run and reads it afterwards.
// The methods that take part in it set it true when they start and false when they
// complete, so a refused call leaves it true. Refusals are reported through the Reporter
// (critical icon, titled with the method's name) and give "" or 0. A file failure of the
// look-up database is not handled here: it throws ScriptFileError for the script to see.

#include "engine/Reporter.h"
#include "script/LookupDb.h"
#include "script/ScriptWindow.h"

#include <string>
#include <vector>

namespace tabulo {

class modDB;

class clsField {
public:
    clsField(modDB& db, ScriptWindow& window, Reporter& reporter);

    int Cancel = 0; // -1 true, 0 false

    // The record on screen (the engine's record buffer); names are matched exactly.
    std::string GetField(const std::string& fieldName);
    void SetField(const std::string& fieldName, const std::string& fieldValue);

    // The look-up database; its field names are matched in capitals.
    void OpenDB(const std::string& fileName);
    void CloseDB();
    long GetDBCount();
    std::string GetDBField(long recordNo, const std::string& fieldName);
    void SetDBField(long recordNo, const std::string& fieldName, const std::string& fieldValue);
    // Shows the look-up records in the browse grid with the named fields as columns;
    // the record number picked, 0 for none.
    long GetDBList(const std::vector<std::string>& fieldNames);

    // The window. SetAction trims the caller's variable.
    void SetAction(std::string& actionName);
    void EnableDelete();
    void DisableDelete();
    std::string GetDate();
    std::string GetTime();
    std::string GetPass(const std::string& title, const std::string& def);

private:
    void Begin() { Cancel = -1; }
    void Done() { Cancel = 0; }
    void Refuse(const char* title, const std::string& text);
    // The three checks of GetDBField and SetDBField: a field slot, or 0 after a refusal.
    int LookupFieldFor(const char* title, long recordNo, const std::string& fieldName);

    modDB& db_;
    ScriptWindow& window_;
    Reporter& reporter_;
    LookupDb lookup_;
};

} // namespace tabulo
