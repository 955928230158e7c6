#include "designer/ScriptPage.h"

#include "designer/ScriptCheck.h"
#include "designer/VbsHighlighter.h"
#include "dialogs/QtText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tabulo::designer {

namespace {

constexpr int kScriptTyping = 1; // merge key: typing in the script is one step of undo

// The editor shows lines ended by "\n"; the header keeps CR LF.
std::string StoredScript(const QString& shown) {
    QString text = shown;
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return FromQString(text);
}

QString ShownScript(const std::string& stored) {
    return ToQString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class LineNumbers : public QWidget {
public:
    explicit LineNumbers(CodeEditor* editor) : QWidget(editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_->LineNumberWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->PaintLineNumbers(event); }

private:
    CodeEditor* editor_;
};

} // namespace

CodeEditor::CodeEditor(QWidget* parent) : QPlainTextEdit(parent), numbers_(new LineNumbers(this)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    new VbsHighlighter(document());
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(LineNumberWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            numbers_->scroll(0, dy);
        else
            numbers_->update(0, rect.y(), numbers_->width(), rect.height());
    });
    setViewportMargins(LineNumberWidth(), 0, 0, 0);
}

int CodeEditor::LineNumberWidth() const {
    const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return 8 + fontMetrics().horizontalAdvance(QChar('9')) * std::max(3, digits);
}

void CodeEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    numbers_->setGeometry(QRect(area.left(), area.top(), LineNumberWidth(), area.height()));
}

void CodeEditor::PaintLineNumbers(QPaintEvent* event) {
    QPainter painter(numbers_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible())
            painter.drawText(0, top, numbers_->width() - 4, height, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top += height;
    }
}

ScriptPage::ScriptPage(DesignDocument& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), editor_(new CodeEditor(this)), count_(new QLabel(this)),
      procedures_(new QLabel(this)), message_(new QLabel(this)) {
    editor_->setObjectName(QStringLiteral("ScriptEditor"));
    editor_->setAccessibleName(tr("Script"));
    count_->setObjectName(QStringLiteral("ScriptCount"));
    procedures_->setObjectName(QStringLiteral("ScriptProcedures"));
    procedures_->setWordWrap(true);
    message_->setObjectName(QStringLiteral("ScriptMessage"));
    message_->setWordWrap(true);
    auto* check = new QPushButton(tr("&Check"), this);
    check->setAccessibleName(tr("Check the script"));
    connect(check, &QPushButton::clicked, this, &ScriptPage::Check);
    auto* bar = new QHBoxLayout;
    bar->addWidget(count_);
    bar->addStretch();
    bar->addWidget(check);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addLayout(bar);
    layout->addWidget(procedures_);
    layout->addWidget(message_);
    connect(editor_, &QPlainTextEdit::textChanged, this, &ScriptPage::TakeEditedScript);
    connect(&doc_, &DesignDocument::Changed, this, &ScriptPage::ShowDesignScript);
    ShowDesignScript();
}

// An undo or an opened file brings another script: the editor shows it, unless it already
// does (while typing).
void ScriptPage::ShowDesignScript() {
    const std::string& script = doc_.Current().script;
    if (StoredScript(editor_->toPlainText()) != script) {
        const QSignalBlocker quiet(editor_);
        editor_->setPlainText(ShownScript(script));
    }
    count_->setText(tr("%1 of %2 characters").arg(script.size()).arg(kScriptSize));
    ShowProcedures(script);
}

// Tabulo runs "Start" when the database opens and "Update" before a record is saved.
void ScriptPage::ShowProcedures(const std::string& script) {
    const std::vector<std::string> names = ScriptProcedures(script);
    QStringList shown;
    for (const std::string& name : names)
        shown << ToQString(name);
    QString text =
        tr("Procedures: %1").arg(shown.isEmpty() ? tr("none") : shown.join(QStringLiteral(", ")));
    for (const char* name : {"Start", "Update"}) {
        const QLatin1String needed(name);
        if (!shown.contains(needed, Qt::CaseInsensitive))
            text += QStringLiteral(". ") + tr("There is no \"%1\" procedure").arg(needed);
    }
    procedures_->setText(text);
}

void ScriptPage::TakeEditedScript() {
    const std::string script = StoredScript(editor_->toPlainText());
    design::Design after = doc_.Current();
    after.script = script;
    const std::vector<design::DesignProblem> problems =
        doc_.Apply(after, tr("Typing in the script"), kScriptTyping);
    count_->setText(tr("%1 of %2 characters").arg(script.size()).arg(kScriptSize));
    ShowProcedures(script);
    message_->setText(problems.empty() ? QString() : ToQString(problems.front().Text()));
}

bool ScriptPage::Check() {
    const ScriptCheckResult result = CheckScript(StoredScript(editor_->toPlainText()));
    if (result.ok) {
        message_->setText(tr("The script compiles."));
        return true;
    }
    message_->setText(tr("Line %1, column %2: %3")
                          .arg(result.line)
                          .arg(result.column + 1)
                          .arg(ToQString(result.message)));
    const QTextBlock block = editor_->document()->findBlockByNumber(std::max(0, result.line - 1));
    QTextCursor caret(block);
    caret.setPosition(block.position() + std::min(result.column, std::max(0, block.length() - 1)));
    editor_->setTextCursor(caret);
    editor_->setFocus();
    return false;
}

} // namespace tabulo::designer
