// The shipped sample databases: the contacts form shows off every input code, its records
// pass the checks made before saving, and its script's look-ups find their data in Cities.

#include "BuildSample.h"
#include "Description.h"
#include "base/modLIB.h"
#include "editor/rules/UpdateChecks.h"

#include <gtest/gtest.h>
#include <set>

namespace tabulo::cli {
namespace {

std::string Value(const DBField& f, const std::string& record) {
    return TrimSpaces(std::string_view(record).substr(f.Offset, f.Length));
}

bool HasCode(const DBField& f, char code) {
    return f.Format.find(code) != std::string::npos;
}

class ContactsSample : public testing::Test {
protected:
    DatabaseImage contacts = BuildSample("Contacts");
    const DBHeader& h = contacts.header;
};

TEST_F(ContactsSample, ThreePagesUsingEveryInputCode) {
    EXPECT_EQ(PageCount(h), 3);
    std::set<char> used;
    for (int slot = 1; slot <= h.FieldCount; ++slot)
        for (char code : h.Fields[slot - 1].Format)
            used.insert(code);
    for (char code : std::string_view("*ANS.-ULFMEWYDT!#=H<>^"))
        EXPECT_TRUE(used.count(code)) << "no field uses \"" << code << "\"";
}

TEST_F(ContactsSample, EveryFieldHasALabelToItsLeftAndFitsTheWindow) {
    int clientWidth = h.Window.Width / 15;
    for (int slot = 1; slot <= h.FieldCount; ++slot) {
        const DBField& f = h.Fields[slot - 1];
        EXPECT_LE(f.Left + f.Width, clientWidth) << TrimSpaces(f.Name);
        bool labelled = std::any_of(h.Banners.begin(), h.Banners.end(), [&](const DBBanner& b) {
            return b.Page == f.Page && b.Left < f.Left && std::abs(b.Top - f.Top) <= 5;
        });
        EXPECT_TRUE(labelled) << TrimSpaces(f.Name);
    }
}

TEST_F(ContactsSample, RecordsPassTheChecksMadeBeforeSaving) {
    EXPECT_GE(contacts.records.size(), 10u);
    EXPECT_LE(contacts.records.size(), 20u);
    EXPECT_EQ(std::count_if(contacts.records.begin(), contacts.records.end(),
                            [](const std::string& r) { return r[0] == '*'; }),
              1);
    for (const std::string& record : contacts.records) {
        for (int slot = 1; slot <= h.FieldCount; ++slot) {
            const DBField& f = h.Fields[slot - 1];
            std::string v = Value(f, record);
            std::string name = TrimSpaces(f.Name);
            EXPECT_EQ(CheckFieldValue(f.Format, v, h.DateOrder), "") << name << " " << v;
            EXPECT_TRUE(!HasCode(f, 'Y') || v == "Y" || v == "N") << name << " " << v;
        }
    }
}

TEST_F(ContactsSample, EveryPostalCodeIsFoundInCities) {
    DatabaseImage cities = BuildSample("Cities");
    std::set<std::string> known;
    const DBHeader& c = cities.header;
    for (int slot = 1; slot <= c.FieldCount; ++slot) {
        std::string name = TrimSpaces(c.Fields[slot - 1].Name);
        for (char ch : name)
            EXPECT_FALSE(modLIB::IsLower(ch)) << "look-ups need capitals: " << name;
        if (name == "ZIP")
            for (const std::string& r : cities.records)
                known.insert(Value(c.Fields[slot - 1], r));
    }
    int zip = 0;
    for (int slot = 1; slot <= h.FieldCount; ++slot)
        if (TrimSpaces(h.Fields[slot - 1].Name) == "ZIP") zip = slot;
    ASSERT_NE(zip, 0);
    for (const std::string& r : contacts.records)
        EXPECT_TRUE(known.count(Value(h.Fields[zip - 1], r))) << Value(h.Fields[zip - 1], r);
}

} // namespace
} // namespace tabulo::cli
