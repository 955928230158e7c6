#include "script/clsField.h"

#include "engine/DbAccess.h"
#include "engine/FileName.h"
#include "engine/modDB.h"

namespace tabulo {

namespace {

constexpr int kPasswordLength = 32;
constexpr const char* kPasswordCodes = "anp"; // letters and digits, shown as "#"

} // namespace

clsField::clsField(modDB& db, ScriptWindow& window, Reporter& reporter)
    : db_(db), window_(window), reporter_(reporter), lookup_(db.GetFileSystem()) {
}

void clsField::Refuse(const char* title, const std::string& text) {
    reporter_.Message(title, text, MsgIcon::Critical);
}

std::string clsField::GetField(const std::string& fieldName) {
    Begin();
    const int n = db_.FindField(fieldName);
    if (n == 0) {
        Refuse("GetField", "FIELD " + fieldName + " NOT FOUND");
        return {};
    }
    std::string value;
    if (!db_.ReadField(n, value)) return {}; // the engine has said why
    Done();
    return value;
}

void clsField::SetField(const std::string& fieldName, const std::string& fieldValue) {
    Begin();
    const int n = db_.FindField(fieldName);
    if (n == 0) return Refuse("SetField", "FIELD " + fieldName + " NOT FOUND");
    Done();
    db_.WriteField(n, fieldValue);
}

void clsField::OpenDB(const std::string& fileName) {
    Begin();
    if (lookup_.IsOpen()) return Refuse("Open File", "Database already open");
    // The script names the file in its own Windows-1252 text.
    const FilePath path = DatabaseFileName(FilePath::FromText(fileName));
    if (!DbFile::Exists(db_.GetFileSystem(), path.Native()))
        return Refuse("Open File", "Database:" + fileName + " not found");
    lookup_.Open(path);
    Done();
}

void clsField::CloseDB() {
    Begin();
    lookup_.Close();
    Done();
}

long clsField::GetDBCount() {
    Begin();
    if (!lookup_.IsOpen()) {
        Refuse("GetDBCount", "Database not open");
        return 0;
    }
    lookup_.ReloadHeader();
    Done();
    return lookup_.Header().RecordCount;
}

int clsField::LookupFieldFor(const char* title, long recordNo, const std::string& fieldName) {
    if (!lookup_.IsOpen()) {
        Refuse(title, "Database not open");
        return 0;
    }
    if (recordNo < 1 || recordNo > lookup_.Header().RecordCount) {
        Refuse(title, "Record out of range");
        return 0;
    }
    const int field = lookup_.FindField(fieldName);
    if (field == 0) Refuse(title, "Invalid Field Name");
    return field;
}

std::string clsField::GetDBField(long recordNo, const std::string& fieldName) {
    Begin();
    const int field = LookupFieldFor("GetDBField", recordNo, fieldName);
    if (field == 0) return {};
    std::string value = lookup_.ReadField(recordNo, field);
    Done();
    return value;
}

void clsField::SetDBField(long recordNo, const std::string& fieldName,
                          const std::string& fieldValue) {
    Begin();
    const int field = LookupFieldFor("SetDBField", recordNo, fieldName);
    if (field == 0) return;
    switch (lookup_.WriteField(recordNo, field, fieldValue)) {
    case LookupDb::Write::Done:
        return Done();
    case LookupDb::Write::Failed:
        return Refuse("SetDBField", "Unexpected Error!");
    case LookupDb::Write::Reopened:
        return Refuse("SetDBField", kPackedByOther);
    case LookupDb::Write::FormChanged:
        return Refuse("SetDBField", kFormChanged);
    }
}

long clsField::GetDBList(const std::vector<std::string>& fieldNames) {
    Begin();
    if (!lookup_.IsOpen()) {
        Refuse("GetDBList", "Database not opened");
        return 0;
    }
    lookup_.ReloadHeader();
    if (lookup_.Header().RecordCount < 1) return 0;
    std::vector<int16_t> columns;
    for (const std::string& name : fieldNames) {
        const int field = lookup_.FindField(name);
        if (field == 0) {
            Refuse("GetDBList", "Database Field not found");
            return 0;
        }
        columns.push_back(static_cast<int16_t>(field));
    }
    const long picked = window_.ShowBrowse(columns, lookup_.File());
    Done();
    return picked;
}

void clsField::SetAction(std::string& actionName) {
    Begin();
    actionName = TrimSpaces(actionName);
    if (actionName.empty()) return Refuse("SetAction", "Invalid Action Name");
    for (int n = 1; n <= ScriptWindow::kActionCount; ++n) {
        if (!window_.ActionCaption(n).empty()) continue;
        window_.ShowAction(n, actionName);
        window_.ShowActionsMenu();
        return Done();
    }
    Refuse("SetAction", "Maximum Actions Already Defined");
}

void clsField::EnableDelete() {
    window_.SetDeleteEnabled(true);
}

void clsField::DisableDelete() {
    window_.SetDeleteEnabled(false);
}

std::string clsField::GetDate() {
    return DateText(window_.Now(), db_.GetDateOrder());
}

std::string clsField::GetTime() {
    return TimeText(window_.Now());
}

std::string clsField::GetPass(const std::string& title, const std::string& def) {
    return window_.ShowInput(TrimSpaces(title), TrimSpaces(def), kPasswordLength, kPasswordCodes);
}

} // namespace tabulo
