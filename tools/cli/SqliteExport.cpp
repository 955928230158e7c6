#include "SqliteExport.h"

#include "base/CodePage.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sqlite3.h>

namespace tabulo::cli {

namespace {

// An SQL identifier between double quotes, inner quotes doubled.
std::string Quoted(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// SQLite compares column names without regard to ASCII case.
std::string Folded(const std::string& name) {
    std::string out;
    for (char c : name)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

class SqliteSink : public RecordSink {
public:
    SqliteSink(std::string path, std::string table)
        : path_(std::move(path)), table_(std::move(table)) {}

    ~SqliteSink() override {
        if (insert_) sqlite3_finalize(insert_);
        if (db_) sqlite3_close(db_);
    }

    bool Begin(const std::vector<ExportColumn>& columns, std::string& error) override {
        std::string names;
        if (!ColumnNames(columns, names, error)) return false;
        if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            return Failed("cannot open", error);
        std::string placeholders = "?,?";
        for (size_t i = 0; i < columns.size(); ++i)
            placeholders += ",?";
        const std::string create = "CREATE TABLE " + Quoted(table_) +
                                   " (recno INTEGER PRIMARY KEY, deleted INTEGER" + names + ")";
        const std::string insert =
            "INSERT INTO " + Quoted(table_) + " VALUES (" + placeholders + ")";
        return Exec("BEGIN", error) && Exec(create, error) &&
               (sqlite3_prepare_v2(db_, insert.c_str(), -1, &insert_, nullptr) == SQLITE_OK ||
                Failed("cannot prepare the insert", error));
    }

    bool Record(long recno, bool deleted, std::span<const std::string_view> values,
                std::string& error) override {
        sqlite3_reset(insert_);
        sqlite3_bind_int64(insert_, 1, recno);
        sqlite3_bind_int(insert_, 2, deleted ? 1 : 0);
        for (size_t i = 0; i < values.size(); ++i) {
            const std::string text = Cp1252ToUtf8(values[i]);
            sqlite3_bind_text(insert_, static_cast<int>(i) + 3, text.data(),
                              static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        return sqlite3_step(insert_) == SQLITE_DONE || Failed("cannot insert", error);
    }

    bool Finish(std::string& error) override {
        sqlite3_finalize(insert_);
        insert_ = nullptr;
        return Exec("COMMIT", error);
    }

private:
    bool ColumnNames(const std::vector<ExportColumn>& columns, std::string& names,
                     std::string& error) {
        std::set<std::string> taken = {"recno", "deleted"};
        for (const ExportColumn& c : columns) {
            const std::string name = Cp1252ToUtf8(c.name);
            if (!taken.insert(Folded(name)).second) {
                error = path_ + ": the column " + name +
                        " is there already (SQLite ignores case); leave it out with --fields";
                return false;
            }
            names += ", " + Quoted(name) + " TEXT";
        }
        return true;
    }

    bool Exec(const std::string& sql, std::string& error) {
        return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ||
               Failed(sql.substr(0, sql.find(' ')), error);
    }

    bool Failed(const std::string& what, std::string& error) {
        error = path_ + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        return false;
    }

    std::string path_;
    std::string table_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
};

} // namespace

std::unique_ptr<RecordSink> MakeSqliteSink(const FilePath& path, const std::string& table) {
    return std::make_unique<SqliteSink>(path.Native(), table);
}

} // namespace tabulo::cli
