#pragma once
// The ways a database can stop being the file that a copy of the program opened, while that
// copy still has it open, for the tests of every writer: it must write to the file now at
// the path or refuse, and never write into the old file.

#include "ChildProcess.h"
#include "RecordingReporter.h"
#include "TestDb.h"
#include "engine/PosixFileSystem.h"
#include "engine/modDB.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tabulo::test {

enum class Replacement {
    Packed,          // another copy, a process of its own, packs it
    PackedLinked,    // the same while the old file has a second name (a hard link)
    OtherFormPut,    // a database of another form renamed into its place
    RewrittenInPlace // the same file rewritten with another record length
};

struct ReplacedCase {
    const char* what;
    Replacement how;
    // Where the old file's bytes can be read afterwards ("" when it was rewritten itself).
    const char* oldFileExtension;
    bool sameForm; // the file now at the path has the form of the old one
};

inline const ReplacedCase kReplacedCases[] = {
    {"Packed", Replacement::Packed, ".Bak", true},
    {"PackedWithASecondName", Replacement::PackedLinked, ".Link", true},
    {"OtherFormPutInItsPlace", Replacement::OtherFormPut, ".Old", false},
    {"RewrittenWithAnotherRecordLength", Replacement::RewrittenInPlace, "", false},
};

// The file of another form that is put at the path: for a rename, records of the same
// length with field 1 named otherwise; for a rewrite in place, records one byte longer.
inline std::string OtherFormBytes(Replacement how, TestDb form) {
    if (how == Replacement::RewrittenInPlace)
        return form.SetRecordLength(form.RecordLength() + 1).Bytes();
    DBField& first = form.MutableHeader().Fields[0];
    first.Name = FixedString(TrimSpaces(first.Name) + "X", first.Name.size());
    return form.Bytes();
}

// Makes base + ".Tbd", written from `form`, stop being the file that was opened, as `how`
// says.
inline void ReplaceDatabase(const std::string& base, Replacement how, const TestDb& form) {
    const std::string path = base + ".Tbd";
    switch (how) {
    case Replacement::PackedLinked:
        ASSERT_EQ(link(path.c_str(), (base + ".Link").c_str()), 0);
        [[fallthrough]];
    case Replacement::Packed: {
        const pid_t packer = Spawn([&] {
            RecordingReporter reporter;
            modDB db(reporter, MachineFileSystem());
            std::string name = base;
            reporter.AnswerNext(true);
            RecordingProgress progress;
            return db.OpenDatabase(FilePath(name)) == 1 && db.PackRecords(progress) == 1 ? 0 : 1;
        });
        ASSERT_EQ(ExitStatus(packer), 0);
        return;
    }
    case Replacement::OtherFormPut:
        ASSERT_EQ(std::rename(path.c_str(), (base + ".Old").c_str()), 0);
        WriteFileBytes(path, OtherFormBytes(how, form));
        return;
    case Replacement::RewrittenInPlace:
        WriteFileBytes(path, OtherFormBytes(how, form));
        return;
    }
}

} // namespace tabulo::test
