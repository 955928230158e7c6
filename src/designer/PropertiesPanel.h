#pragma once
// The properties of what is selected, beside the canvas: a field's name, length, page, box,
// offset and input codes; a banner's caption, place, font and colours; with nothing
// selected, the window's size, colours and fonts, the date order, the print orientation and
// the page headings. An edit goes to the document as one change; a value the design rules
// refuse is not applied and the rule's message shows under the control.

#include "designer/DesignDocument.h"
#include "designer/DesignEdits.h"

#include <QWidget>
#include <functional>

class QFormLayout;
class QLabel;

namespace tabulo {
class Dialogs;
}

namespace tabulo::designer {

class DesignCanvas;

class PropertiesPanel : public QWidget {
    Q_OBJECT
public:
    PropertiesPanel(DesignDocument& doc, DesignCanvas& canvas, Dialogs& dialogs, QWidget* parent);

private:
    using Edit = std::function<void(design::Design&)>;
    // Applies an edit; shows the refusal under the control when the rules refuse it.
    void Commit(const QString& what, const Edit& edit, QLabel* problem);
    void Rebuild();
    void BuildField(const design::Field& f);
    void BuildBanner(const design::Banner& b);
    void BuildForm(const design::Design& d);
    void BuildCodes(const design::Field& f);

    // Rows: a label, the control named for screen readers, and its problem line.
    QLabel* AddRow(const QString& label, QWidget* control);
    void AddNumber(const QString& label, int value, std::function<void(design::Design&, int)> set);
    void AddText(const QString& label, const std::string& value,
                 std::function<void(design::Design&, const std::string&)> set);
    void AddColor(const QString& label, int32_t value,
                  std::function<void(design::Design&, int32_t)> set);
    void AddFont(const QString& label, const design::Font& value,
                 std::function<design::Font&(design::Design&)> font);
    void AddChoice(const QString& label, const QStringList& choices, int value,
                   std::function<void(design::Design&, int)> set);

    DesignDocument& doc_;
    DesignCanvas& canvas_;
    Dialogs& dialogs_;
    QWidget* body_ = nullptr;
    QFormLayout* rows_ = nullptr;
};

} // namespace tabulo::designer
