#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "TestDb.h"
#include "engine/DbFile.h"

#include <gtest/gtest.h>

namespace {

using namespace tabulo;
using tabulo::test::TempDir;
using tabulo::test::WriteFileBytes;

TEST(DbFile, OpenFailsCleanlyForMissingFilesAndDirectories) {
    FileSystem& fs = MachineFileSystem();
    TempDir dir;
    EXPECT_EQ(DbFile::Open(fs, dir.File("missing.Tbd")), nullptr);
    EXPECT_EQ(DbFile::Open(fs, dir.Path().string()), nullptr);
}

TEST(DbFile, ReadsAndWritesAtPositions) {
    FileSystem& fs = MachineFileSystem();
    TempDir dir;
    const std::string path = dir.File("a.Tbd");
    WriteFileBytes(path, "0123456789");
    auto f = DbFile::Open(fs, path);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(f->WriteAt(2, "ab", 2));
    char buf[8] = {};
    EXPECT_EQ(f->ReadAt(1, buf, 4), 4);
    EXPECT_EQ(std::string(buf, 4), "1ab4");
    EXPECT_EQ(f->ReadAt(8, buf, 8), 2); // short read at the end of the file
    EXPECT_EQ(f->ReadAt(20, buf, 8), 0);
    EXPECT_EQ(f->ReadAt(-1, buf, 8), -1);
    EXPECT_TRUE(f->WriteAt(12, "Z", 1)); // writing past the end extends the file
    EXPECT_EQ(f->Size(), 13);
    EXPECT_TRUE(f->Flush());
    EXPECT_TRUE(f->Close());
    EXPECT_FALSE(f->IsOpen());
    EXPECT_EQ(f->ReadAt(0, buf, 1), -1);
}

TEST(DbFile, ByteZeroLockExcludesOtherOpenFilesOfTheSameProcess) {
    FileSystem& fs = MachineFileSystem();
    TempDir dir;
    const std::string path = dir.File("a.Tbd");
    WriteFileBytes(path, "x");
    auto a = DbFile::Open(fs, path);
    auto b = DbFile::Open(fs, path);
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(a->TryLockByte0());
    EXPECT_FALSE(b->TryLockByte0());
    EXPECT_TRUE(DbFile::LockIsBusy(DbFile::LastError()));
    // Closing another descriptor of the file must not drop the lock.
    DbFile::Open(fs, path)->Close();
    EXPECT_FALSE(b->TryLockByte0());
    EXPECT_TRUE(a->UnlockByte0());
    EXPECT_TRUE(b->TryLockByte0());
    a.reset(); // closing the file that does not hold it changes nothing
    EXPECT_TRUE(b->UnlockByte0());
}

// Names and identities: a rename keeps the file, and the open file knows when its name no
// longer leads to it (renamed away, another file put there), whatever other names it has.
TEST(DbFile, NamesAndIdentities) {
    FileSystem& fs = MachineFileSystem();
    TempDir dir;
    const std::string a = dir.File("a.Tbd"), b = dir.File("b.Bak");
    WriteFileBytes(a, "xy");
    auto open = DbFile::Open(fs, a);
    FileId ia, ib;
    ASSERT_TRUE(open && DbFile::IdOf(fs, a, ia));
    EXPECT_EQ(open->Id(), ia);
    EXPECT_TRUE(open->IsStillAtPath());
    EXPECT_TRUE(DbFile::Rename(fs, a, b));
    EXPECT_FALSE(DbFile::Exists(fs, a));
    EXPECT_FALSE(DbFile::IdOf(fs, a, ia));
    EXPECT_FALSE(open->IsStillAtPath()) << "nothing at its name";
    ASSERT_TRUE(DbFile::IdOf(fs, b, ib));
    EXPECT_EQ(ib, open->Id());
    EXPECT_EQ(open->Size(), 2);
    WriteFileBytes(a, "new");
    EXPECT_FALSE(open->IsStillAtPath()) << "another file at its name, its own still at b";
    EXPECT_FALSE(DbFile::Exists(fs, dir.Path().string()));
    EXPECT_TRUE(DbFile::SyncDirectoryOf(fs, b));
    EXPECT_TRUE(DbFile::Remove(fs, b));
    EXPECT_FALSE(DbFile::Remove(fs, b));
    EXPECT_EQ(DbFile::LastError(), ENOENT);
}

// The injected error is the one asked for, at exactly the chosen step, or at every step from
// it on.
TEST(FaultyFileSystem, InjectedFailureHitsExactlyTheChosenSteps) {
    test::FaultyFileSystem faults;
    TempDir dir;
    auto f = DbFile::Create(faults, dir.File("a.Tbd"));
    ASSERT_NE(f, nullptr);
    faults.FailAtStep(3, ENOSPC);
    EXPECT_TRUE(f->WriteAt(0, "abc", 3));
    EXPECT_TRUE(f->Flush());
    EXPECT_FALSE(f->WriteAt(3, "def", 3));
    EXPECT_EQ(faults.LastInjectedStep(), test::FileStep::Write);
    EXPECT_EQ(DbFile::LastError(), ENOSPC);
    EXPECT_TRUE(f->WriteAt(3, "ghi", 3)); // only that one step fails
    EXPECT_EQ(faults.StepsTaken(), 4);
    faults.FailFromStep(2, EIO);
    EXPECT_TRUE(f->Flush());
    EXPECT_FALSE(f->Flush());
    EXPECT_FALSE(f->WriteAt(0, "x", 1));
    EXPECT_EQ(DbFile::LastError(), EIO);
    faults.ResetSteps();
    EXPECT_EQ(f->Size(), 6);
}

} // namespace
