#pragma once
// The Script tab: the form's script in a code editor with line numbers and colouring, its
// size against the 4,000 characters a header holds, and Check, which compiles it with the
// program's interpreter and puts the caret where the first error is.

#include "designer/DesignDocument.h"

#include <QPlainTextEdit>
#include <QWidget>

class QLabel;

namespace tabulo::designer {

class CodeEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget* parent);
    int LineNumberWidth() const;
    void PaintLineNumbers(QPaintEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* numbers_;
};

class ScriptPage : public QWidget {
    Q_OBJECT
public:
    ScriptPage(DesignDocument& doc, QWidget* parent);

    CodeEditor* Editor() const { return editor_; }
    // Checks the script; true when it compiles. The message line tells the outcome.
    bool Check();

private:
    void ShowDesignScript();
    void TakeEditedScript();
    void ShowProcedures(const std::string& script);

    DesignDocument& doc_;
    CodeEditor* editor_;
    QLabel* count_;
    QLabel* procedures_;
    QLabel* message_;
};

} // namespace tabulo::designer
