#pragma once
// What a click on a read-only field does: fields whose format begins with "W" or "E" are
// web and mail links; any other value that holds a line break opens in the text viewer.

#include <QCursor>
#include <QString>
#include <QUrl>
#include <string>

namespace tabulo {

enum class LinkKind { None, Web, Mail };

// Taken from the first character of the field's format only.
LinkKind LinkKindOf(const std::string& format);

struct ClickAction {
    enum Kind { Nothing, OpenAddress, ShowText } kind = Nothing;
    QString address; // for OpenAddress
};

// The caption is the label's text, whose line breaks are shown as "\n".
ClickAction ClickActionFor(LinkKind kind, const QString& caption);

// The address as the desktop's opener gets it.
QUrl UrlOfAddress(const QString& address);

// The pointing hand shown over link fields: black outline, white fill, hot spot at the
// tip of the index finger.
const QCursor& LinkCursor();

} // namespace tabulo
