#pragma once
// Shared set-up of the browse window tests: a database of generated records shown in a
// real frmBrowse, and the grid's rows as the tests read them.

#include "TestDb.h"
#include "browse/BrowseGrid.h"
#include "browse/frmBrowse.h"
#include "engine/PosixFileSystem.h"

#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace tabulo {

// A font whose metrics are the same on every machine.
inline test::TestDb NewDb() {
    test::TestDb db;
    db.MutableHeader().Window.FieldFont.Name = FixedString("Liberation Sans", 16);
    return db;
}

inline test::TestDb& AddColumn(test::TestDb& db, const std::string& name, int length,
                               const std::string& format, int width) {
    db.AddField(name, length, format);
    db.MutableHeader().Fields[db.MutableHeader().FieldCount - 1].Width =
        static_cast<int16_t>(width);
    return db;
}

// A database of `records` records with the given field widths; field i of record r holds
// "r-i" (record 4, field 2: "4-2").
class BrowseWindowTest : public testing::Test {
protected:
    std::unique_ptr<frmBrowse> Open(std::vector<int> widths, int records,
                                    std::vector<int> columns = {}) {
        test::TestDb db = NewDb();
        for (size_t i = 1; i <= widths.size(); ++i)
            AddColumn(db, "F" + std::to_string(i), 8, "A", widths[i - 1]);
        for (int r = 1; r <= records; ++r) {
            std::vector<std::string> texts;
            for (size_t i = 1; i <= widths.size(); ++i)
                texts.push_back(std::to_string(r) + "-" + std::to_string(i));
            db.AddRecord(texts);
        }
        return OpenDb(db, columns);
    }

    std::unique_ptr<frmBrowse> OpenDb(const test::TestDb& db, std::vector<int> columns = {}) {
        file_ = DbFile::Open(MachineFileSystem(), db.Create(dir_, "grid") + ".Tbd");
        if (columns.empty())
            for (int i = 1; i <= db.Header().FieldCount; ++i)
                columns.push_back(i);
        auto window = std::make_unique<frmBrowse>(*file_, columns);
        window->show();
        return window;
    }

    static BrowseGrid& Grid(frmBrowse& w) { return *w.findChild<BrowseGrid*>(); }
    static QScrollBar& Bar(frmBrowse& w, const char* name) {
        return *w.findChild<QScrollBar*>(name);
    }
    // Whether the bar is enabled, its range and its page step.
    static std::tuple<bool, int, int, int> BarState(frmBrowse& w, const char* name) {
        const QScrollBar& bar = Bar(w, name);
        return {bar.isEnabled(), bar.minimum(), bar.maximum(), bar.pageStep()};
    }
    static QPoint RowPoint(frmBrowse& w, int row, int col) {
        BrowseGrid& g = Grid(w);
        const int x = col == 0 ? 5 : g.ColumnLeft(col) + 5;
        return {x, g.RowRect(row).center().y()};
    }
    static std::vector<int32_t> ShownRecords(frmBrowse& w) {
        std::vector<int32_t> records;
        BrowseGrid& g = Grid(w);
        for (int row = 0; row < g.RowCount(); ++row)
            records.push_back(g.Row(row).recNo);
        return records;
    }

    test::TempDir dir_;
    std::unique_ptr<DbFile> file_;
};

} // namespace tabulo
