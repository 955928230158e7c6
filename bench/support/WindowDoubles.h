#pragma once
// What the window benchmarks put in place of the user and the desktop: a reporter that prints
// messages and gives one answer to every question, no file or input dialogs, no services,
// and the full database they time their work on.

#include "dialogs/modDlg.h"
#include "editor/EditorServices.h"
#include "engine/DBHeader.h"
#include "engine/Reporter.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace tabulo::bench {

class PrintingReporter : public Reporter {
public:
    explicit PrintingReporter(bool answer) : answer_(answer) {}
    void Message(const std::string& title, const std::string& text, MsgIcon) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    bool Ask(const std::string&, const std::string&, MsgIcon, bool) override { return answer_; }

private:
    bool answer_;
};

class NoDialogs : public Dialogs {
public:
    std::optional<ChosenFile> ChooseFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> PickDate(const DateRequest&) override { return std::nullopt; }
    std::optional<std::string> Input(const InputRequest&) override { return std::nullopt; }
    void ShowText(frmShowText&) override {}
};

class NoServices : public WindowServices {
public:
    void OpenDocument(QWidget*, const QString&) override {}
    void ShowAbout(QWidget*) override {}
    void ShowHelpContents(QWidget*) override {}
};

// The contacts sample's form and first record, repeated up to the file's limit; with
// `markEvery`, every that many-th record is marked deleted.
inline std::string ContactsToTheLimit(long markEvery = 0) {
    std::ifstream in(TABULO_SAMPLES_DIR "/Contacts.Tbd", std::ios::binary);
    std::string sample((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (sample.size() < static_cast<size_t>(kHeaderSize))
        throw std::runtime_error("the contacts sample is missing");
    DBHeader header = DecodeHeader(reinterpret_cast<const uint8_t*>(sample.data()));
    header.RecordCount = kMaxRecords;
    std::string bytes = EncodeHeader(header);
    const std::string record = sample.substr(kHeaderSize, header.RecordLength);
    for (long i = 1; i <= kMaxRecords; ++i) {
        bytes += record;
        if (markEvery > 0 && i % markEvery == 0) bytes[bytes.size() - record.size()] = '*';
    }
    return bytes;
}

} // namespace tabulo::bench
