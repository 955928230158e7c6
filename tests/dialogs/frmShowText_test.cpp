#include "DialogTest.h"
#include "ModalDriver.h"
#include "dialogs/QtDialogRunner.h"
#include "dialogs/Twips.h"
#include "dialogs/frmShowText.h"

#include <QPlainTextEdit>

namespace tabulo {
namespace {

class TextViewer : public test::DialogTest {};

TEST_F(TextViewer, TextBoxFillsTheWindowAtOpeningAndAfterResizing) {
    frmShowText viewer;
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), "Field");
    EXPECT_EQ(viewer.size(), Twips::FromScreen().ToPixels(QSize(5070, 3195)));
    EXPECT_EQ(viewer.Text1()->geometry(), viewer.rect());
    for (QSize size : {QSize(300, 120), QSize(640, 480)}) {
        viewer.resize(size);
        EXPECT_EQ(viewer.Text1()->geometry(), QRect(QPoint(0, 0), size));
    }
}

TEST_F(TextViewer, RunnerShowsTheViewerModally) {
    frmShowText viewer;
    bool modal = false;
    test::WhenModalOpens([&](QWidget* window) {
        modal = window == &viewer && window->isModal();
        window->close();
    });
    QtDialogRunner().ShowText(viewer);
    EXPECT_TRUE(modal);
}

} // namespace
} // namespace tabulo
