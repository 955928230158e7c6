#pragma once
// The designer window on the offscreen platform, with recorders in place of the message
// boxes and the file, colour and font pickers.

#include "RecordingReporter.h"
#include "TempDir.h"
#include "designer/DesignEdits.h"
#include "designer/DesignerWindow.h"
#include "designer/PropertiesPanel.h"
#include "dialogs/modDlg.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <memory>

namespace tabulo::designer {

// Answers the file dialog with a prepared name and the colour picker with a prepared colour.
class AnsweringDialogs : public Dialogs {
public:
    std::string path, fileName; // an empty name cancels
    std::optional<uint32_t> colour;

    std::optional<ChosenFile> ChooseFile(const FileRequest&) override {
        return ChosenFile{FilePath(path), FilePath(fileName)};
    }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText&) override {}
    std::optional<uint32_t> PickColor(uint32_t) override { return colour; }
};

// Two fields (NAME in slot 1, CITY in slot 3) with their labels on page 1.
design::Design TwoFieldDesign();

class DesignerTest : public testing::Test {
protected:
    DesignerTest();
    ~DesignerTest() override;

    DesignDocument& Doc() { return window->Document(); }
    const design::Field& FieldOf(int slot) { return *FindField(Doc().Current(), slot); }
    QWidget* Surface() const;
    // The middle of an item's place on the canvas.
    QPoint Middle(const ItemRef& item) const;
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {});
    void Press(int key, Qt::KeyboardModifiers modifiers = {});
    void Run(const char* command);
    // A property control of the panel, by its label.
    template <class W> W* Property(const QString& name) const {
        W* control = window->Properties()->findChild<W*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    test::TempDir dir;
    test::RecordingReporter reporter;
    AnsweringDialogs dialogs;
    std::unique_ptr<DesignerWindow> window;
};

} // namespace tabulo::designer
