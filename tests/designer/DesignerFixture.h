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
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <variant>

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

inline constexpr ItemRef kName{ItemKind::Field, 1};
inline constexpr ItemRef kCity{ItemKind::Field, 3};
inline constexpr ItemRef kNameLabel{ItemKind::Banner, 1};
inline constexpr ItemRef kCityLabel{ItemKind::Banner, 2};

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
    // A number into a spin box, or a text into a line edit as if typed and left.
    void SetProperty(const char* control, const std::variant<int, const char*>& value);
    // The file dialog answers with `name` in the test's folder; returns that path.
    std::string AnswerSaveAs(const std::string& name);
    // A database of NAME and CITY holding Ann of Rome and Bob of Oslo; returns its path.
    std::string Club();
    // Opens the database in the designer and changes its design, unsaved.
    void OpenAndChange(const std::string& path, const std::function<void(design::Design&)>& change);
    // The record count of a database, and the named field of one record ("" without it),
    // as Tabulo reads them.
    static std::pair<long, std::string> ReadBack(const std::string& path, long record,
                                                 const std::string& field);
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
