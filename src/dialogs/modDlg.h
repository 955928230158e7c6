#pragma once
// modDlg: how the program opens its small shared windows. A caller hands a request to the
// application's Dialogs object and gets the result back once the window has closed; no
// value is kept between uses except the directory that the file dialog last ended in.
//
//   const std::optional<ChosenFile> file = dialogs.DlgSaveAs("*.Csv");
//   if (!file) return;                        // cancelled, or no name given
//   WriteTo(file->FullName());                // directory and name, one separator
//
// Texts are Windows-1252 like the rest of the core; folders and file names are FilePaths.

#include "base/FilePath.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tabulo {

class frmShowText;

// The file dialog: "Load" lists files to read, "Save As" also lets the user type a name.
struct FileRequest {
    std::string Title;     // caption
    std::string Pattern;   // the files listed, "*.Tbd"; empty lists every file
    FilePath Path;         // directory shown first; empty: the process's current directory
    FilePath FileName;     // the file name box's starting text
    bool SaveMode = false; // true: the name may be typed
};

// What "Ok" gave: the directory shown last and the file name box's text, which may be
// empty. The name is listed without its extension; callers add the one they asked for.
struct ChosenFile {
    FilePath Path;
    FilePath FileName;
    // Path and FileName joined with one separator.
    FilePath FullName() const { return Path / FileName; }
};

// The date picker at a place on the screen (twips), on a starting date in the given date
// order (2: month first).
struct DateRequest {
    std::string StartDate;
    long X = 0;
    long Y = 0;
    int DateOrder = 1;
};

// The input box: a question, a starting text, the most characters (0 meaning 32) and the
// key-filter codes of what may be typed ("P" also hides the text).
struct InputRequest {
    std::string Title;
    std::string Value;
    int MaxLen = 0;
    std::string Mask;
};

// The font picker's values: a name, a size in points, bold and italic (non-zero: on).
struct FontChoice {
    std::string Name;
    int Size = 0;
    uint8_t Bold = 0;
    uint8_t Italic = 0;
};

// Opens the windows. The program's object shows the real windows modally; tests put in
// recorders that answer without a window. Each window returns when it has closed, with
// nullopt when it closed without a choice (Cancel or the close box).
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual std::optional<ChosenFile> ChooseFile(const FileRequest& request) = 0;
    // The picked date in the request's date order.
    virtual std::optional<std::string> PickDate(const DateRequest& request) = 0;
    // The accepted text, blanks trimmed at both ends.
    virtual std::optional<std::string> Input(const InputRequest& request) = 0;
    // The caller has set the viewer's caption, place, size, text, colours and font.
    virtual void ShowText(frmShowText& viewer) = 0;
    // The chosen colour, RGB as in the header (red in the low byte). A runner without the
    // pickers answers as if the user had cancelled.
    virtual std::optional<uint32_t> PickColor(uint32_t colour);
    // An empty title gives the picker's own caption.
    virtual std::optional<FontChoice> PickFont(const std::string& title, const FontChoice& start);

    // The file dialog titled "Load" on the files matching pattern; nullopt when cancelled
    // or left without a name. It opens in the directory where the last file dialog ended.
    std::optional<ChosenFile> DlgLoad(const std::string& pattern);
    // The same titled "Save As", the name box starting with fileName.
    std::optional<ChosenFile> DlgSaveAs(const std::string& pattern, const FilePath& fileName = {});
    // The input box with the mask trimmed and in capitals; the request's value when the box
    // was closed without "Ok".
    std::string ShowInput(InputRequest request);

private:
    std::optional<ChosenFile> ChooseFrom(FileRequest request);

    FilePath lastPath_;
};

// The text without the blanks at both ends, as the dialogs take and give their values.
std::string TrimBlanks(const std::string& text);

} // namespace tabulo
