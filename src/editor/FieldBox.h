#pragma once
// Field(i): the multi-line text box of an editable field. No scroll bars; it takes at most
// MaxLength characters, a line break counting as the two characters CR LF it is stored as.

#include <QPlainTextEdit>

namespace tabulo {

class FieldBox : public QPlainTextEdit {
    Q_OBJECT
public:
    FieldBox(int slot, QWidget* parent);

    int Tag() const { return slot_; }
    void SetMaxLength(int length);
    int MaxLength() const { return maxLength_; }
    void SetAlignment(Qt::Alignment alignment);
    Qt::Alignment Alignment() const;
    // The text with CR LF line breaks, as the record holds it.
    QString Text() const;
    void SetText(const QString& text);

private:
    void CutToMaxLength(int position, int added);

    int slot_;
    int maxLength_ = 0;
    bool cutting_ = false;
};

// The length of a box's plain text as stored in a record: a line break counts as CR LF.
int StoredLength(const QString& text);

} // namespace tabulo
