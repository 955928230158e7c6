#include "editor/FieldBox.h"

#include <QTextBlock>
#include <QTextCursor>

namespace tabulo {

int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QChar('\n')));
}

FieldBox::FieldBox(int slot, QWidget* parent) : QPlainTextEdit(parent), slot_(slot) {
    setObjectName(QStringLiteral("Field(%1)").arg(slot));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    document()->setDocumentMargin(1);
    setAutoFillBackground(true);
    hide();
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { CutToMaxLength(position, added); });
}

void FieldBox::SetMaxLength(int length) {
    maxLength_ = length;
}

void FieldBox::SetAlignment(Qt::Alignment alignment) {
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
}

Qt::Alignment FieldBox::Alignment() const {
    return document()->defaultTextOption().alignment();
}

QString FieldBox::Text() const {
    QString text = toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text;
}

void FieldBox::SetText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

// Drops what was just typed or pasted beyond the limit, so the box never holds more than
// the record can store.
void FieldBox::CutToMaxLength(int position, int added) {
    if (cutting_ || maxLength_ <= 0 || added <= 0) return;
    int excess = StoredLength(toPlainText()) - maxLength_;
    if (excess <= 0) return;
    cutting_ = true;
    QTextCursor cursor(document());
    int end = position + added;
    int start = end;
    while (start > position && excess > 0) {
        --start;
        excess -= document()->characterAt(start) == QChar::ParagraphSeparator ? 2 : 1;
    }
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cutting_ = false;
}

} // namespace tabulo
