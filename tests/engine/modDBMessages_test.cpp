// Every refusal and file failure of the engine: the box's title, text and icon, and the
// failure result, one row per message.

#include "EngineFixture.h"

#include <functional>

namespace {

using namespace tabulo;
using namespace tabulo::test;

enum class Start {
    Closed,
    Empty,  // open, no records
    Records // open, three records, current record 1
};

struct Row {
    const char* what;
    Start start;
    std::function<long(modDB&)> call;
    std::string title;
    std::string text;
};

long FailingStep(const std::function<long()>& call) {
    DbFile::FailAtStep(1);
    const long result = call();
    DbFile::ResetSteps();
    return result;
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"open with no name", Start::Closed,
         [](modDB& db) {
             std::string n = "   ";
             return db.OpenDatabase(n);
         },
         "OPEN DATABASE", "Invalid File Name"},
        {"close when closed", Start::Closed, [](modDB& db) { return db.CloseDatabase(); },
         "CLOSE DATABASE", "File not open!"},
        {"read closed", Start::Closed, [](modDB& db) { return db.ReadRecord(); }, "READ RECORD",
         "DB not open"},
        {"read empty", Start::Empty, [](modDB& db) { return db.ReadRecord(); }, "READ RECORD",
         "DB is empty"},
        {"read fails", Start::Records,
         [](modDB& db) { return FailingStep([&] { return db.ReadRecord(); }); }, "ReadRecord",
         "Unexpected Error"},
        {"write closed", Start::Closed, [](modDB& db) { return db.WriteRecord(); }, "WRITE RECORD",
         "DB not open"},
        {"write empty", Start::Empty, [](modDB& db) { return db.WriteRecord(); }, "WRITE RECORD",
         "DB is empty"},
        {"write fails", Start::Records,
         [](modDB& db) { return FailingStep([&] { return db.WriteRecord(); }); }, "WriteRecord",
         "Unexpected Error"},
        {"add closed", Start::Closed, [](modDB& db) { return db.AddRecord(); }, "ADD RECORD",
         "DB not open"},
        {"add fails", Start::Records,
         [](modDB& db) { return FailingStep([&] { return db.AddRecord(); }); }, "AddRecord",
         "Unexpected Error"},
        {"delete closed", Start::Closed, [](modDB& db) { return db.DeleteRecord(); },
         "DELETE RECORD", "DB not open"},
        {"delete empty", Start::Empty, [](modDB& db) { return db.DeleteRecord(); }, "DELETE RECORD",
         "DB is empty"},
        {"delete marked", Start::Records,
         [](modDB& db) {
             db.SetRecordNo(2);
             return db.DeleteRecord();
         },
         "DELETE RECORD", "Record is already marked for deletion!"},
        {"delete fails", Start::Records,
         [](modDB& db) { return FailingStep([&] { return db.DeleteRecord(); }); }, "DeleteRecord",
         "Unexpected Error"},
        {"is deleted closed", Start::Closed, [](modDB& db) { return db.IsDeleted(); }, "IS DELETED",
         "DB not open"},
        {"is deleted empty", Start::Empty, [](modDB& db) { return db.IsDeleted(); }, "IS DELETED",
         "DB is empty"},
        {"read field closed", Start::Closed,
         [](modDB& db) {
             std::string v;
             return db.ReadField(1, v);
         },
         "READ FIELD", "DB not open"},
        {"read field 0", Start::Records,
         [](modDB& db) {
             std::string v;
             return db.ReadField(0, v);
         },
         "READ FIELD", "Invalid Field Number"},
        {"read field 129", Start::Records,
         [](modDB& db) {
             std::string v;
             return db.ReadField(129, v);
         },
         "READ FIELD", "Invalid Field Number"},
        {"read free field", Start::Records,
         [](modDB& db) {
             std::string v;
             return db.ReadField(3, v);
         },
         "READ FIELD", "Field not defined!"},
        {"write field closed", Start::Closed, [](modDB& db) { return db.WriteField(1, "x"); },
         "WRITE FIELD", "DB not open"},
        {"write field 0", Start::Records, [](modDB& db) { return db.WriteField(0, "x"); },
         "WRITE FIELD", "Invalid Field Number!"},
        {"write field 129", Start::Records, [](modDB& db) { return db.WriteField(129, "x"); },
         "WRITE FIELD", "Invalid Field Number!"},
        {"write free field", Start::Records, [](modDB& db) { return db.WriteField(128, "x"); },
         "WRITE FIELD", "Field not defined!"},
        {"record no closed", Start::Closed, [](modDB& db) { return db.GetRecordNo(); },
         "GET RECORD NO", "DB not open"},
        {"set record closed", Start::Closed, [](modDB& db) { return db.SetRecordNo(1); },
         "SET RECORD NO", "DB not open"},
        {"set record 0", Start::Records, [](modDB& db) { return db.SetRecordNo(0); },
         "SET RECORD NO", "Record Out of range!"},
        {"set record past count", Start::Records, [](modDB& db) { return db.SetRecordNo(4); },
         "SET RECORD NO", "Record Out of range!"},
        {"record count closed", Start::Closed, [](modDB& db) { return db.GetRecordCount(); },
         "GET RECORD COUNT", "DB not open"},
        {"first closed", Start::Closed, [](modDB& db) { return db.GotoFirstRecord(); },
         "GOTO FIRST RECORD", "DB not open!"},
        {"first empty", Start::Empty, [](modDB& db) { return db.GotoFirstRecord(); },
         "GOTO FIRST RECORD", "DB is empty"},
        {"last closed", Start::Closed, [](modDB& db) { return db.GotoLastRecord(); },
         "GOTO LAST RECORD", "DB not open!"},
        {"last empty", Start::Empty, [](modDB& db) { return db.GotoLastRecord(); },
         "GOTO LAST RECORD", "DB is empty"},
        {"next closed", Start::Closed, [](modDB& db) { return db.GotoNextRecord(); },
         "GOTO NEXT RECORD", "DB not open!"},
        {"previous closed", Start::Closed, [](modDB& db) { return db.GotoPreviousRecord(); },
         "GOTO PREVIOUS RECORD", "DB not open!"},
        {"clear closed", Start::Closed, [](modDB& db) { return db.ClearRecord(); }, "CLEAR RECORD",
         "DB not open!"},
        {"field def 0", Start::Closed,
         [](modDB& db) {
             DBField f;
             return db.GetFieldDef(0, f);
         },
         "GET FIELD", "Field out of range"},
        {"field def 129", Start::Records,
         [](modDB& db) {
             DBField f;
             return db.GetFieldDef(129, f);
         },
         "GET FIELD", "Field out of range"},
        {"banner def 129", Start::Records,
         [](modDB& db) {
             DBBanner b;
             return db.GetBannerDef(129, b);
         },
         "GET BANNER", "Banner number out of range!"},
        {"banner def 0", Start::Closed,
         [](modDB& db) {
             DBBanner b;
             return db.GetBannerDef(0, b);
         },
         "GET BANNER", "Banner number out of range!"},
        {"page heading 0", Start::Records,
         [](modDB& db) { return static_cast<long>(db.GetPageHeading(0).size()); },
         "GET PAGE HEADING", "Invalid Page NO specified"},
        {"page heading 9", Start::Records,
         [](modDB& db) { return static_cast<long>(db.GetPageHeading(9).size()); },
         "GET PAGE HEADING", "Invalid Page NO specified"},
        {"pack closed", Start::Closed,
         [](modDB& db) {
             RecordingProgress progress;
             return db.PackRecords(progress);
         },
         "PACK RECORDS", "DB not open!"},
    };
    return rows;
}

class MessageTable : public EngineTest, public ::testing::WithParamInterface<Row> {};

TEST_P(MessageTable, ShowsItsBoxAndFails) {
    const Row& row = GetParam();
    std::string base;
    if (row.start == Start::Empty) base = Open(TwoFieldDb());
    if (row.start == Start::Records)
        base = Open(TwoFieldDb().AddRecord({"Ann"}).AddDeletedRecord({"Bob"}).AddRecord({"Cy"}));
    const std::string before = base.empty() ? "" : FileBytes(base);

    EXPECT_EQ(row.call(engine), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{row.title, row.text, MsgIcon::Critical}));
    if (!base.empty()) {
        EXPECT_EQ(FileBytes(base), before) << "a refusal never writes";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMessage, MessageTable, ::testing::ValuesIn(Rows()),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// The rows whose text names a file.
TEST_F(EngineTest, OpenMessagesNameTheFile) {
    const std::string first = Open(TwoFieldDb(), "Stock");
    std::string other = dir.File("Other");
    EXPECT_EQ(engine.OpenDatabase(other), 0);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"OPEN DATABASE", "FILE:" + first + " already open",
                                                MsgIcon::Critical}));
    EXPECT_EQ(engine.GetBaseName(), first) << "the first database stays open";

    engine.CloseDatabase();
    reporter.Clear();
    std::string missing = "  " + dir.File("Missing") + ".TBD ";
    EXPECT_EQ(engine.OpenDatabase(missing), 0);
    EXPECT_EQ(reporter.Only(),
              (RecordedMessage{"OPEN DATABASE", "FILE:" + dir.File("Missing") + " not found!",
                               MsgIcon::Critical}));
}

TEST_F(EngineTest, DatabaseFullIsTestedOnTheCountInMemory) {
    const std::string base = Open(TwoFieldDb().SetRecordCount(kMaxRecords));
    const std::string before = FileBytes(base);
    EXPECT_EQ(engine.AddRecord(), 0);
    EXPECT_EQ(reporter.Only(), (RecordedMessage{"ADD RECORD", "DB is Full", MsgIcon::Critical}));
    EXPECT_EQ(FileBytes(base), before);
}

} // namespace
