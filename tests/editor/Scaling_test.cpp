// The contacts window on a high-density screen, and its pictures for the eye. The program runs with
// the scale that QT_SCALE_FACTOR gives this test process (ctest runs it at 1, 1.5 and 2): the form
// keeps the header's places in logical pixels, text is drawn whole, and pictures are sharp.

#include "EditorFixture.h"
#include "dialogs/Twips.h"
#include "editor/ToolbarIcons.h"

#include <QImage>
#include <QScreen>
#include <cmath>
#include <filesystem>

namespace tabulo::test {
namespace {

// The bounding box, in device pixels, of the pixels of one colour inside an area.
QRect InkOf(const QImage& image, const QRect& area, QColor ink) {
    QRect box;
    for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), image.height() - 1); ++y)
        for (int x = std::max(area.left(), 0); x <= std::min(area.right(), image.width() - 1);
             ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                                 std::abs(c.blue() - ink.blue());
            if (distance < 90) box |= QRect(x, y, 1, 1);
        }
    return box;
}

QRect ToDevice(const QRect& logical, double dpr) {
    return QRect(
        QPoint(int(std::floor(logical.left() * dpr)), int(std::floor(logical.top() * dpr))),
        QPoint(int(std::ceil((logical.right() + 1) * dpr)) - 1,
               int(std::ceil((logical.bottom() + 1) * dpr)) - 1));
}

class ScaledWindow : public EditorTest {
protected:
    void SetUp() override {
        std::filesystem::copy_file(TABULO_SAMPLES_DIR "/Contacts.Tbd", dir.File("Contacts.Tbd"));
        ASSERT_TRUE(Start(dir.File("Contacts")));
        Show();
        dpr = window->devicePixelRatioF();
        image = window->Form()->grab().toImage();
    }
    double dpr = 1;
    QImage image;
};

// The header's window size is in twips of a 96-dpi logical screen at every scale, and the
// pictures have a detailed version for the scale.
TEST_F(ScaledWindow, RunsAtTheScaleAskedForWithTwipsInLogicalPixels) {
    EXPECT_DOUBLE_EQ(dpr, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    const Twips twips = Twips::FromScreen(window->screen());
    EXPECT_DOUBLE_EQ(twips.PerPixelX(), 15.0);
    EXPECT_DOUBLE_EQ(twips.PerPixelY(), 15.0);
    DBWindow w = db.GetWindowDef();
    EXPECT_NEAR(window->frameGeometry().width(), w.Width / 15, 1);
    EXPECT_NEAR(window->frameGeometry().height(), w.Height / 15, 1);
    const QSize device = QSize(16, 16) * dpr;
    for (int button = 0; button < kToolbarButtons; ++button)
        EXPECT_EQ(ToolbarIcon(button).pixmap(QSize(16, 16), dpr).size(), device) << button;
    EXPECT_EQ(WindowIcon().pixmap(QSize(16, 16), dpr).size(), device);
    // The empty form and the toolbar show their palette's colours.
    const QPoint empty = ToDevice(QRect(620, 400, 1, 1), dpr).topLeft();
    EXPECT_EQ(image.pixelColor(empty), window->Form()->palette().color(QPalette::Window));
    const QPoint toolbar = ToDevice(QRect(620, 20, 1, 1), dpr).topLeft();
    EXPECT_EQ(image.pixelColor(toolbar), window->palette().color(QPalette::Button));
}

TEST_F(ScaledWindow, FieldsKeepTheHeadersPlacesBannersStayBesideThemAndNoTextIsClipped) {
    for (int f = 1; f <= db.GetFieldCount(); ++f) {
        DBField def;
        if (db.GetFieldDef(f, def) == 0 || def.Page != 1) continue;
        const QRect place(def.Left, def.Top, def.Width, def.Height);
        EXPECT_EQ(Dummy(*window, f)->geometry(), place) << f;
        // The field's background fills its place in the picture, scaled: its corners are
        // inside the label's margin, where no text goes.
        const QRect device = ToDevice(place, dpr);
        EXPECT_EQ(image.pixelColor(device.left() + 1, device.bottom() - 1).rgb() & 0xFFFFFF,
                  Dummy(*window, f)->palette().color(QPalette::Window).rgb() & 0xFFFFFF)
            << f;
    }
    // Each label banner's text is drawn on the row of the field beside it.
    for (int b = 1; b <= db.GetBannerCount(); ++b) {
        QLabel* banner = Banner(*window, b);
        if (banner->isHidden()) continue;
        const QRect ink = InkOf(image, ToDevice(banner->geometry(), dpr),
                                banner->palette().color(QPalette::WindowText));
        ASSERT_FALSE(ink.isEmpty()) << banner->text().toStdString();
        const QPointF middle = QPointF(ink.center()) / dpr;
        EXPECT_TRUE(banner->geometry().contains(middle.toPoint())) << banner->text().toStdString();
    }
    // Nothing of a banner or a value is cut off: its ink keeps clear of its box's far edges.
    auto expectWhole = [&](QLabel* label, int margin) {
        const QRect box = ToDevice(label->geometry(), dpr);
        const QRect ink = InkOf(image, box, label->palette().color(QPalette::WindowText));
        ASSERT_FALSE(ink.isEmpty()) << label->objectName().toStdString();
        EXPECT_LT(ink.right(), box.right() - margin * dpr + 1) << label->text().toStdString();
        EXPECT_LT(ink.bottom(), box.bottom() - margin * dpr + 1) << label->text().toStdString();
    };
    for (int b = 1; b <= db.GetBannerCount(); ++b)
        if (!Banner(*window, b)->isHidden()) expectWhole(Banner(*window, b), 0);
    for (int f = 1; f <= db.GetFieldCount(); ++f)
        if (!Dummy(*window, f)->isHidden() && !Dummy(*window, f)->text().isEmpty())
            expectWhole(Dummy(*window, f), 1);
}

// Pictures for the eye: the window browsing (the README shows it), editing, and without a
// database.
TEST_F(ScaledWindow, Screenshots) {
    if (dpr == 2) {
        EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/contacts-window@2x.png"));
    }
    if (dpr != 1) return;
    EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/contacts-window.png"));
    window->Run(Command::Edit);
    EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/contacts-window-editing.png"));
    window->Run(Command::Cancel);
    window->Run(Command::Close);
    EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/no-database-window.png"));
}

} // namespace
} // namespace tabulo::test
