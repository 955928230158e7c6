#include "designer/VbsHighlighter.h"

namespace tabulo::designer {

namespace {

QTextCharFormat Colored(const QColor& color, bool bold = false, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(color);
    if (bold) format.setFontWeight(QFont::Bold);
    format.setFontItalic(italic);
    return format;
}

const char* const kKeywords =
    "And|As|ByRef|ByVal|Call|Case|Class|Const|Dim|Do|Each|Else|ElseIf|Empty|End|Eqv|Erase|"
    "Error|Exit|Explicit|False|For|Function|Get|GoTo|If|Imp|In|Is|Let|Loop|Me|Mod|New|Next|"
    "Not|Nothing|Null|On|Option|Or|Preserve|Private|Property|Public|ReDim|Rem|Resume|Select|"
    "Set|Step|Sub|Then|To|True|Until|Wend|While|With|Xor";

} // namespace

VbsHighlighter::VbsHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    const auto caseless = QRegularExpression::CaseInsensitiveOption;
    rules_.push_back(
        {QRegularExpression(QStringLiteral("\\b(%1)\\b").arg(QLatin1String(kKeywords)), caseless),
         Colored(QColor(0, 0, 160), true)});
    rules_.push_back(
        {QRegularExpression(QStringLiteral("\\b(&H[0-9A-F]+|\\d+(\\.\\d*)?(E[+-]?\\d+)?)\\b"),
                            caseless),
         Colored(QColor(150, 70, 0))});
    rules_.push_back(
        {QRegularExpression(QStringLiteral("\"[^\"]*(\"|$)")), Colored(QColor(160, 0, 0))});
    // A comment runs to the end of the line, unless the quote is inside a string.
    rules_.push_back(
        {QRegularExpression(QStringLiteral("^([^\"]*(\"[^\"]*\")*[^\"]*?)\\K('|\\bRem\\b).*$"),
                            caseless),
         Colored(QColor(0, 120, 0), false, true)});
}

void VbsHighlighter::highlightBlock(const QString& text) {
    for (const Rule& rule : rules_) {
        for (auto it = rule.pattern.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            setFormat(static_cast<int>(match.capturedStart()),
                      static_cast<int>(match.capturedLength()), rule.format);
        }
    }
}

} // namespace tabulo::designer
