#pragma once
// modDlg: the parameters handed to the shared dialog windows and the routines that open
// them. A caller sets the inputs, runs an opener (which returns when the window has
// closed) and reads the results from the same variables.
//
// Texts are Windows-1252 like the rest of the core. DlgPath and DlgFileName are file-system
// names in the platform's own encoding (QFile::encodeName), so any existing file can be
// named.

#include <cstdint>
#include <functional>
#include <string>

namespace tabulo {

class frmShowText;

namespace modDlg {

inline std::string DlgTitle;     // caption of the file dialog and of the input box
inline std::string DlgFileName;  // file dialog: chosen name, empty when cancelled
inline std::string DlgPath;      // file dialog: directory shown first, then the one chosen
inline std::string DlgPattern;   // file dialog: pattern of the files listed, "*.Tbd"
inline bool DlgSaveMode = false; // file dialog: true to choose a file to write
inline std::string DlgDate;      // date picker: starting date, then the picked one
inline long DlgPickX = 0;        // date picker: left edge on the screen, twips
inline long DlgPickY = 0;        // date picker: top edge on the screen, twips
inline std::string DlgValue;     // input box: starting text, then the accepted one
inline int DlgMaxLen = 0;        // input box: most characters, 0 meaning 32
inline std::string DlgMask;      // input box: key-filter codes, trimmed, in capitals
inline uint32_t DlgColor = 0;    // colour picker: RGB as in the header (red in the low byte)
inline std::string DlgFontName;  // font picker: name, size in points, bold, italic
inline int DlgFontSize = 0;
inline uint8_t DlgFontBold = 0; // non-zero: bold
inline uint8_t DlgFontItalic = 0;

// Opens the windows. The GUI runner shows the real windows modally; tests and core code
// put their own in place to answer without a window.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual void RunFileDialog() = 0;
    virtual void RunDatePicker() = 0;
    virtual void RunInputBox() = 0;
    // The caller has set the viewer's caption, place, size, text, colours and font.
    virtual void RunTextViewer(frmShowText& viewer) = 0;
    // A runner without these pickers answers as if the user had cancelled.
    virtual void RunColorPicker() {}
    virtual void RunFontPicker() {}
};

// The runner in use; the GUI runner until another one is set. nullptr restores it.
DialogRunner& Runner();
void SetRunner(DialogRunner* runner);

// The open database's date order (2: month first), read by the date picker when it opens.
// Until set, day first.
void SetDateOrderSource(std::function<int()> source);
int DateOrder();

void DlgLoad();
void DlgSaveAs();
void PickDate(long x, long y);
void ShowInput(const std::string& codes);
void ShowColorPicker();
void ShowFontPicker();

// The chosen file: DlgPath and DlgFileName joined with one separator of the platform.
std::string DlgChosenFile();

// The text without the blanks at both ends, as the dialogs take and give their values.
std::string TrimBlanks(const std::string& text);

} // namespace modDlg
} // namespace tabulo
