// Two engines in one process keep their own date order and release their own objects:
// one engine calling into another, and two engines running at once on two threads.

#include "vbscript/ScriptEngine.h"
#include "vbscript/ScriptError.h"

#include <barrier>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace tabulo::vbs;

// Reached as `Host`: Note keeps a text, Meet hands control to the test's own step.
class Host : public ScriptObject {
public:
    std::vector<std::string> notes;
    std::function<void()> meet;

    std::string typeName() const override { return "Host"; }
    Variant call(std::string_view name, ArgRefs args) override {
        if (sameName(name, "Note")) {
            notes.push_back(toString(*args[0]));
        } else if (sameName(name, "Meet")) {
            meet();
        } else {
            raiseError(err::NoSuchMember);
        }
        return {};
    }
};

// Notes 4 March 2024 as text and as read back from its day-first text, around a
// meeting; builds and drops a chain of objects long enough to need the release queue.
constexpr const char* kScript = R"(
Class Link
    Public NextLink
End Class
Sub Start
    Host.Note CStr(DateSerial(2024, 3, 4))
    Host.Meet
    Dim head, i, item
    Set head = Nothing
    For i = 1 To 20000
        Set item = New Link
        Set item.NextLink = head
        Set head = item
    Next
    Set head = Nothing
    Set item = Nothing
    Host.Note CStr(DateSerial(2024, 3, 4))
    Host.Note Month(CDate("04/03/2024"))
End Sub
)";

struct Side {
    ScriptEngine engine;
    std::shared_ptr<Host> host = std::make_shared<Host>();

    explicit Side(int dateOrder) {
        engine.SetDateOrder(dateOrder);
        engine.AddObject("Host", host);
        EXPECT_TRUE(engine.AddCode(kScript)) << engine.Error().description;
    }
    void Run() { EXPECT_TRUE(engine.Run("Start")) << engine.Error().description; }
};

const std::vector<std::string> kDayFirst{"04/03/2024", "04/03/2024", "3"};
const std::vector<std::string> kMonthFirst{"03/04/2024", "03/04/2024", "4"};

TEST(EnginesApart, AnEngineCalledFromAnotherLeavesTheCallersDateOrder) {
    Side outer(2), inner(1);
    outer.host->meet = [&] { inner.Run(); };
    inner.host->meet = [] {};
    outer.Run();
    EXPECT_EQ(outer.host->notes, kMonthFirst);
    EXPECT_EQ(inner.host->notes, kDayFirst);
}

TEST(EnginesApart, TwoEnginesRunAtOnceOnTwoThreads) {
    // Both engines stand inside their runs at the meeting, each after its first note.
    std::barrier meeting(2);
    Side dayFirst(1), monthFirst(2);
    dayFirst.host->meet = monthFirst.host->meet = [&] { meeting.arrive_and_wait(); };
    std::thread other([&] { monthFirst.Run(); });
    dayFirst.Run();
    other.join();
    EXPECT_EQ(dayFirst.host->notes, kDayFirst);
    EXPECT_EQ(monthFirst.host->notes, kMonthFirst);
}

} // namespace
