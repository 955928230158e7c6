// The designer on a high-density screen: ctest runs this program with QT_SCALE_FACTOR 1, 1.5
// and 2. The mouse goes in through the window, as the platform delivers it (in the screen's
// device pixels, turned into logical ones by Qt), and the positions saved stay the form's own
// pixels: a drag of N logical pixels moves a field by N, whatever the scale.

#include "DesignerFixture.h"
#include "NamedCase.h"
#include "TestDb.h"
#include "designer/DesignCanvas.h"
#include "editor/FormArea.h"

#include <QApplication>
#include <QSplitter>
#include <QTest>
#include <QWindow>

namespace tabulo::designer {
namespace {

double ScaleOfThisRun() {
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    return scale.isEmpty() ? 1.0 : scale.toDouble();
}

class HiDpiTest : public DesignerTest {
protected:
    // A press, two moves and a release through the window, from a point of the canvas.
    void DragThroughWindow(QPoint from, QPoint by) {
        QWindow* handle = window->windowHandle();
        const QPoint start = Surface()->mapTo(window.get(), from);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, start + by / 2);
        QTest::mouseMove(handle, start + by);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + by);
    }
};

// NAME alone on its page, so that no alignment guide pulls the dragged field.
design::Design NameAlone() {
    design::Design d = TwoFieldDesign();
    d.fields.resize(1);
    d.banners.clear();
    return d;
}

struct ScaledDrag {
    const char* what;
    bool snap;
    QPoint by;
    QPoint nameCorner; // NAME starts at 100, 40
};

class HiDpiDrag : public HiDpiTest, public testing::WithParamInterface<ScaledDrag> {};

TEST_P(HiDpiDrag, MovesByLogicalPixelsAndSavesTheFormsOwnPixels) {
    const ScaledDrag& c = GetParam();
    ASSERT_DOUBLE_EQ(window->devicePixelRatioF(), ScaleOfThisRun());
    window->Document().Reset(NameAlone(), {}, FileKind::None, 0);
    window->Canvas()->SetSnapToGrid(c.snap);
    DragThroughWindow(Middle(kName), c.by);
    EXPECT_EQ(QPoint(FieldOf(1).left, FieldOf(1).top), c.nameCorner);
    EXPECT_EQ(window->Canvas()->Form()->Field(1)->pos(), c.nameCorner) << "the form shows it there";
    EXPECT_EQ(window->Canvas()->Selected(), Selection{kName});

    dialogs.path = dir.Path().string();
    dialogs.fileName = "Scaled.Tbd";
    ASSERT_TRUE(window->SaveAs()) << reporter.Only().text;
    design::Design expected = NameAlone();
    expected.fields[0].left = c.nameCorner.x();
    expected.fields[0].top = c.nameCorner.y();
    EXPECT_EQ(test::ReadFileBytes(dir.File("Scaled.Tbd")),
              EncodeHeader(design::HeaderFromDesign(expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Designer, HiDpiDrag,
    testing::Values(ScaledDrag{"free", false, {37, 13}, {137, 53}},
                    ScaledDrag{"on the grid", true, {37, 13}, {135, 55}},
                    ScaledDrag{"to the nearest grid step", true, {132, 113}, {230, 155}},
                    ScaledDrag{"past the corner", false, {-300, -300}, {0, 0}},
                    ScaledDrag{"one pixel", false, {1, 1}, {101, 41}}),
    test::CaseName<ScaledDrag>);

// The canvas is painted at the screen's density: its picture has a device pixel for each
// device pixel of the screen, not a logical picture blown up.
TEST_F(HiDpiTest, TheCanvasIsPaintedAtTheScreensDensity) {
    const double dpr = ScaleOfThisRun();
    const QImage image = Surface()->grab().toImage();
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), dpr);
    EXPECT_EQ(image.size(), (QSizeF(Surface()->size()) * dpr).toSize());
}

// The picture of the README: the contacts sample opened, its first name field selected.
TEST_F(HiDpiTest, PicturesTheContactsSample) {
    ASSERT_TRUE(window->OpenFile(FilePath(TABULO_SAMPLES_DIR "/Contacts.Tbd")))
        << reporter.Only().text;
    window->Canvas()->Select({{ItemKind::Field, 2}});
    window->resize(1180, 660); // room for the input codes' words beside the form
    window->findChild<QSplitter*>()->setSizes({700, 480});
    QApplication::processEvents(); // the properties' new rows show from a posted call
    const QImage picture = window->grab().toImage();
    EXPECT_EQ(picture.size(), (QSizeF(window->size()) * ScaleOfThisRun()).toSize());
    if (ScaleOfThisRun() != 1) return;
    EXPECT_TRUE(picture.save(TABULO_SCREENSHOT_DIR "/tabulo-designer.png"));
}

} // namespace
} // namespace tabulo::designer
