#pragma once
// Colours VBScript as it is typed: keywords, strings, comments and numbers.

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <vector>

namespace tabulo::designer {

class VbsHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit VbsHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    std::vector<Rule> rules_; // later rules paint over earlier ones
};

} // namespace tabulo::designer
