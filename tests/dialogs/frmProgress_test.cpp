#include "dialogs/frmProgress.h"

#include <QFrame>
#include <QLabel>
#include <gtest/gtest.h>
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
    const long n = 3;
    window.ShowPer(1, n);
    EXPECT_EQ(Per(), "33%");
    EXPECT_EQ(BarWidth(), BarPixels(1165));
    window.ShowPer(2, n);
    EXPECT_EQ(Per(), "66%");
    EXPECT_EQ(BarWidth(), BarPixels(2330));
    window.ShowPer(3, n);
    EXPECT_EQ(Per(), "100%");
    EXPECT_EQ(BarWidth(), BarPixels(3495));
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
    EXPECT_EQ(Per(), ""); // 0% is never drawn
    EXPECT_EQ(BarWidth(), 0);
    Run(100);
    window.HidePer();
    EXPECT_FALSE(window.isVisible());
    window.ShowPer(1, 100);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Per(), "1%");
}

} // namespace
} // namespace tabulo
