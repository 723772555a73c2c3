#pragma once
// The options every GTK program of the project answers, read before the display opens:
// --help (GTK's own options included) and --version.

namespace gtkui {

struct TProgramDescription {
  const char* Name;     // the program file's name; the window system groups its windows by it
  const char* Version;  // printed by --version after the name
  const char* Summary;  // shown by --help
};

// Parses and removes the options it knows, GTK's included, and leaves the other arguments in
// argv. Returns -1 when the program should go on, otherwise its exit code: 0 after --help or
// --version, 2 after an unknown or malformed option (told on stderr). Needs no display.
int ParseProgramOptions(int& argc, char**& argv, const TProgramDescription& program);

}  // namespace gtkui
