#pragma once
// frmHelp ("Help"): the topics of the help file on the left (TOC), the chosen topic's title
// (Heading) and text (Help) on the right. The file is read again on every topic change, so
// only the titles and the text shown are held. A file that cannot be read, or that has no
// heading, gives "Help file load error"; the window stays open with what it holds.

#include "base/FilePath.h"

#include <QDialog>
#include <string>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace tabulo {

class Reporter;

class frmHelp : public QDialog {
    Q_OBJECT
public:
    // Opens on the topic whose title matches topic, or on the first one.
    frmHelp(FilePath path, const std::string& topic, Reporter& reporter, QWidget* parent = nullptr);

    QListWidget* TOC() const { return toc_; }
    QLabel* Heading() const { return heading_; }
    QPlainTextEdit* Help() const { return help_; }

private:
    void LoadTopics(const std::string& topic);
    void ShowSelectedTopic();
    void ReportLoadError();

    FilePath path_;
    Reporter& reporter_;
    QListWidget* toc_;
    QLabel* heading_;
    QPlainTextEdit* help_;
};

} // namespace tabulo
