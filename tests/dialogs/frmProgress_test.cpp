#include "dialogs/frmProgress.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace tabulo {
namespace {

class ProgressWindow : public ::testing::Test {
protected:
    QString Per() const { return window.findChild<QLabel*>("Per")->text(); }
    int BarWidth() const { return window.findChild<QFrame*>("Bar")->width(); }
    int BarPixels(int twips) const { return Twips::FromScreen().TwipsToPixelsX(twips); }

    // The percentages shown during a run over n items.
    std::vector<QString> Run(long n) {
        std::vector<QString> shown;
        for (long i = 1; i <= n; ++i) {
            const QString before = Per();
            window.ShowPer(i, n);
            if (Per() != before) shown.push_back(Per());
        }
        return shown;
    }

    frmProgress window;
};

TEST_F(ProgressWindow, ThreeRecordsShowAThirdTwoThirdsAndAll) {
    for (auto [done, per, twips] :
         {std::tuple{1, "33%", 1165}, {2, "66%", 2330}, {3, "100%", 3495}}) {
        window.ShowPer(done, 3);
        EXPECT_EQ(Per(), per);
        EXPECT_EQ(BarWidth(), BarPixels(twips)) << per;
    }
}

TEST_F(ProgressWindow, RedrawsAtMostEveryTwoPercent) {
    std::vector<QString> expected;
    for (int p = 1; p <= 99; p += 2)
        expected.push_back(QString::number(p) + "%");
    EXPECT_EQ(Run(100), expected);
}

TEST_F(ProgressWindow, ShowsWithoutBeingModalAndHidePerEndsTheRun) {
    window.ShowPer(1, 200);
    EXPECT_FALSE(window.isModal());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible()) << "a run cannot be cancelled";
    EXPECT_EQ(Per(), ""); // 0% is never drawn
    EXPECT_EQ(BarWidth(), 0);
    Run(100);
    window.HidePer();
    EXPECT_FALSE(window.isVisible());
    window.ShowPer(1, 100);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Per(), "1%");
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A loop over many records calls the window at every record; it repaints, and it lets the
// events run, at the first call of a run and then no more than every 33 ms of its clock.
TEST(ProgressPace, RepaintsAndRunsEventsAtMostEvery33Milliseconds) {
    struct Case {
        int stepMs; // of the clock between two calls
        int calls;
        int rounds; // of events, and repaints
    };
    const Case cases[] = {{0, 100, 1}, {10, 100, 25}, {33, 10, 10}, {100, 5, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stepMs << " ms x " << c.calls);
        std::chrono::steady_clock::time_point now{};
        const auto tick = std::chrono::milliseconds(c.stepMs);
        frmProgress window(nullptr, [&] { return now; });
        window.ShowPer(0, c.calls); // the run starts on a window on the screen
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        now += Pace::kFrame;
        PaintCounter counter;
        window.installEventFilter(&counter);
        for (int i = 1; i <= c.calls; ++i, now += tick)
            window.ShowPer(i, c.calls);
        EXPECT_EQ(counter.paints, c.rounds);

        QObject context; // takes a marker still queued at the end away with it
        int ran = 0;
        bool queued = false;
        auto queueMarker = [&] {
            if (std::exchange(queued, true)) return;
            QMetaObject::invokeMethod(
                &context, [&] { ++ran, queued = false; }, Qt::QueuedConnection);
        };
        for (int i = 1; i <= c.calls; ++i, now += tick) {
            queueMarker();
            window.ProcessEvents();
        }
        EXPECT_EQ(ran, c.rounds);

        window.HidePer(); // a new run hears its events at once, whatever the clock says
        queueMarker();
        window.ProcessEvents();
        EXPECT_EQ(ran, c.rounds + 1);
    }
}

} // namespace
} // namespace tabulo
