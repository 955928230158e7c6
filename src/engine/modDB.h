#pragma once
// modDB: the engine that owns the one open database: its file, a copy of its header,
// the current record number and the record buffer. Every operation checks its own
// preconditions, reports a refusal through the Reporter and returns 0; 1 is success.

#include "base/FilePath.h"
#include "engine/DBHeader.h"
#include "engine/FileSystem.h"
#include "engine/Reporter.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace tabulo {

class DbFile;
class RecordRewrite;

enum class RecordMark { Live, Deleted };

class modDB {
public:
    // Opens its files, and those of its pack and look-ups, on fs.
    modDB(Reporter& reporter, FileSystem& fs);
    ~modDB();
    modDB(const modDB&) = delete;
    modDB& operator=(const modDB&) = delete;

    // Twips per pixel of the screen, used for the default header's window size.
    void SetScreenTwips(int twipsPerPixelX, int twipsPerPixelY);

    // Opening and closing. Opening also repairs what a pack cut short left behind, and says so.
    // The file found by the name rule (see FileName.h) for name.
    int OpenDatabase(const FilePath& name);
    int CloseDatabase();
    int GetFileNumber() const; // 0 when closed, else a positive number of the open file
    // The open file (nullptr when closed), for readers that go to it directly (browse grid).
    // Reading it never disturbs the engine; writing through it bypasses the lock.
    DbFile* GetFile();
    // The file system it opens files on, for whatever opens files on its behalf.
    FileSystem& GetFileSystem() const;
    // The name it was opened by: trimmed and without ".TBD".
    const FilePath& GetBaseName() const;
    // The file that is open (empty when closed); its extension may differ in case from ".Tbd".
    const FilePath& GetFilePath() const;
    // True when the file could be opened for reading only (the system refused writing to it
    // or to its folder): the writes and Pack then refuse with the reason.
    bool IsReadOnly() const;
    // Counts the files opened; it also changes when a write found the database packed by
    // another copy and reopened it, which leaves the buffer holding the reopened record.
    unsigned long OpenCount() const;

    // How long WriteRecord and AddRecord go on trying for a lock that another copy holds
    // (0: they fail at once). Returns the patience it replaces.
    std::chrono::milliseconds SetLockPatience(std::chrono::milliseconds patience);

    // Current record.
    int ReadRecord();
    // The writes take the file's lock. When another copy has packed the database meanwhile,
    // WriteRecord and DeleteRecord write nothing, say so and reopen the database (the record's
    // number may have changed); AddRecord reopens it and appends to the packed file.
    int WriteRecord();
    int AddRecord();
    // AddRecord that lets the caller number the record: numberRecord runs while the file's
    // lock is held, after the count has been re-read, with the number the record is about
    // to get, and may change the buffer (not the mark) before it is written. No other copy
    // of the program can append meanwhile, so the number is the record's own. A record
    // appended as deleted is written with its mark in the same write.
    int AddRecord(const std::function<void(long number)>& numberRecord,
                  RecordMark mark = RecordMark::Live);
    int DeleteRecord();
    int IsDeleted();
    int ClearRecord();
    int ReadField(int n, std::string& value);
    int WriteField(int n, const std::string& value);
    const std::string& GetRecordBuffer() const;
    // Replaces the buffer, cut or padded with spaces to RecordLength; ignored when closed.
    void SetRecordBuffer(const std::string& record);

    // Navigation and counts.
    long GetRecordNo();
    int SetRecordNo(long k);
    long GetRecordCount();
    int GotoFirstRecord();
    int GotoLastRecord();
    int GotoNextRecord();
    int GotoPreviousRecord();

    // Header look-ups (no file access).
    int GetFieldDef(int n, DBField& def);
    int GetBannerDef(int n, DBBanner& def);
    std::string GetPageHeading(int n);
    int FindField(const std::string& name);
    int GetFieldCount() const;
    int GetBannerCount() const;
    int GetPageCount() const;
    DBWindow GetWindowDef() const;
    int GetDateOrder() const;
    uint8_t GetPrintOrientation() const;
    std::string GetScript() const;
    const DBHeader& Header() const;

    // Removes the records marked "*" for good, keeping the old file as ".Bak". Asks first
    // through the Reporter; shows its progress through the sink. Holds the file's lock for the
    // whole run, so that no other copy's write can go into the old file; this copy's own
    // writes and CloseDatabase, asked for from the sink's events, are refused meanwhile.
    // 1 once the packed file is in place, also when it cannot be opened afterwards: the
    // database is then closed (GetFileNumber 0), which is reported.
    int PackRecords(ProgressSink& progress);
    // The title of the pack's second question, asked when the file holds whole records after
    // those its header counts: whether to drop them (the first question is titled "Pack").
    static constexpr const char* kDropQuestionTitle = "Pack Database";
    // Rewrites the database by the same steps into a new file that `rewrite` makes (its
    // header, each record's new bytes), without asking. Reopens the new file when done.
    int RewriteRecords(RecordRewrite& rewrite, ProgressSink& progress);

private:
    friend class Packer;
    struct State;
    std::unique_ptr<State> s_;
};

} // namespace tabulo
