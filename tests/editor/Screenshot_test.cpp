// Renders the window on the shipped contacts sample to a PNG in the build tree, so that
// anyone can look at it, and checks the colours where banners and fields must be.

#include "EditorFixture.h"

#include <QImage>
#include <filesystem>

namespace tabulo::test {
namespace {

bool Near(QColor a, QColor b, int tolerance = 60) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           tolerance;
}

// Whether any pixel of the area, in client coordinates, is close to the colour.
bool AreaHasColor(const QImage& image, QRect area, QColor color) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Near(image.pixelColor(x, y), color)) return true;
    return false;
}

TEST_F(EditorTest, ContactsWindowScreenshot) {
    std::filesystem::copy_file(TABULO_SAMPLES_DIR "/Contacts.Tbd", dir.File("Contacts.Tbd"));
    ASSERT_TRUE(Start(dir.File("Contacts")));
    Show();
    QImage image = window->grab().toImage();
    ASSERT_TRUE(image.save(TABULO_SCREENSHOT_DIR "/contacts-window.png"));
    EXPECT_EQ(image.size(), window->size() * image.devicePixelRatio());

    QImage client = window->Form()->grab().toImage();
    const QColor back(0xF4, 0xF6, 0xFA), field(0xFF, 0xFF, 0xE0), banner(0x1F, 0x3A, 0x93);
    EXPECT_EQ(client.pixelColor(620, 400), back);                     // empty background
    EXPECT_EQ(client.pixelColor(150 + 2, 105 + 18), field);           // inside FIRSTNAME
    EXPECT_TRUE(AreaHasColor(client, QRect(16, 32, 60, 20), banner)); // "Person" in blue
    EXPECT_FALSE(AreaHasColor(client, QRect(300, 40, 200, 20), banner));
    EXPECT_EQ(client.pixelColor(620, 20), window->palette().color(QPalette::Button)); // toolbar

    // The same record being edited, and the window without a database, for the eye.
    window->Run(Command::Edit);
    EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/contacts-window-editing.png"));
    window->Run(Command::Cancel);
    window->Run(Command::Close);
    EXPECT_TRUE(window->grab().save(TABULO_SCREENSHOT_DIR "/no-database-window.png"));
}

} // namespace
} // namespace tabulo::test
