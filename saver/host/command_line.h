// Parsing of the saver's command line into a run mode and a parent window.
#pragma once

#include <cstdint>

#include "run_mode.h"

// Where the parent window comes from once the text has been parsed.
enum class ParentSource {
    Number,            // the handle written on the line (ParsedCommandLine::parent), 0 if none
    PreviewHost,       // "/p scrprev": the child area of the preview host (FindPreviewHost)
    ForegroundWindow,  // "/c" with nothing after it: GetForegroundWindow()
};

struct ParsedCommandLine {
    RunMode mode = RunMode::None;
    ParentSource parentSource = ParentSource::Number;
    std::uintptr_t parent = 0;  // the handle value when parentSource is Number
};

// Parses a whole command line as GetCommandLineA returns it: program name (quoted or
// not), then one switch letter with an optional "-" or "/" prefix:
//   (nothing) or c [handle]  Configure      s  FullScreen (rest ignored)
//   p or l <handle|scrprev>  Preview        a <handle>  ChangePassword
//   any other letter         None
// After p, l, c and a any run of spaces and colons is skipped. A handle is read as an
// unsigned decimal number after optional white space and an optional sign; text that
// is not a number, or a number too large for a handle, gives 0. A null text parses as
// an empty one.
ParsedCommandLine ParseCommandLine(const char* text);

// Reads a window handle written as an unsigned decimal number, as described above.
std::uintptr_t ParseHandleNumber(const char* text);
