#pragma once
// modHelp: where the help file lies and how the help viewer is opened.

#include "base/FilePath.h"

#include <string>
#include <string_view>

class QWidget;

namespace tabulo {

class Reporter;

namespace modHelp {

// The help file's name, looked for beside the program.
inline constexpr std::string_view HelpFile = "Tabulo.Txt";

// The help file of a program in programDir: the one beside the program, else the installed
// copy in ../share/tabulo; the first of the two when neither exists (its reading fails).
FilePath HelpFilePath(const FilePath& programDir);

// Shows the help viewer modally at the topic of that title; an empty topic opens the first.
void ShowHelp(const std::string& topic, Reporter& reporter, QWidget* parent = nullptr);

} // namespace modHelp
} // namespace tabulo
