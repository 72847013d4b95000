// The wizards' command line; see wizard_options.h.
#include "wizard_options.h"

namespace product {

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether `word` starts with `prefix` ("/LOG="), ignoring case.
bool StartsWith(const std::string& word, const char* prefix) {
    std::size_t i = 0;
    for (; prefix[i]; ++i)
        if (i >= word.size() || Upper(word[i]) != prefix[i]) return false;
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string Unquoted(const std::string& s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

}  // namespace

std::string ArgumentsOf(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i < line.size() && line[i] == '"') {
        std::size_t close = line.find('"', i + 1);
        i = close == std::string::npos ? line.size() : close + 1;
    }
    while (i < line.size() && !IsBlank(line[i])) ++i;
    return Trimmed(line.substr(i));
}

WizardOptions ParseWizardOptions(const std::string& arguments, bool takesDestination) {
    WizardOptions o;
    std::size_t i = 0;
    while (i < arguments.size()) {
        while (i < arguments.size() && IsBlank(arguments[i])) ++i;
        if (i >= arguments.size()) break;
        const std::string rest = arguments.substr(i);
        if (StartsWith(rest, "/D=")) {
            if (!takesDestination) {
                o.error = "/D= is not a switch of this program.";
            } else {
                o.destination = Unquoted(Trimmed(rest.substr(3)));
                if (o.destination.empty()) o.error = "/D= needs a folder.";
            }
            return o;  // everything after /D= is the folder
        }
        // One word, which may hold a quoted part ("/LOG=C:\My Logs\setup.log").
        std::size_t end = i;
        bool quoted = false;
        while (end < arguments.size() && (quoted || !IsBlank(arguments[end]))) {
            if (arguments[end] == '"') quoted = !quoted;
            ++end;
        }
        const std::string word = arguments.substr(i, end - i);
        i = end;
        if (StartsWith(word, "/S") && word.size() == 2) {
            o.silent = true;
        } else if (word == "/?") {
            o.usage = true;
        } else if (StartsWith(word, "/LOG=")) {
            o.logFile = Unquoted(word.substr(5));
            if (o.logFile.empty()) o.error = "/LOG= needs a file name.";
        } else {
            o.error = "Unknown argument: " + word;
        }
        if (!o.error.empty()) return o;
    }
    return o;
}

std::string UsageText(const std::string& program, bool takesDestination) {
    std::string text = program + ".exe [/S] [/LOG=file]";
    if (takesDestination) text += " [/D=folder]";
    text += "\n\n/S\tunattended, without a window\n/LOG=file\twrites one line per step to file\n";
    if (takesDestination)
        text += "/D=folder\tthe install folder; must come last, and may hold spaces without quotes\n";
    text += "/?\tshows this\n\nExit codes: 0 done, 1 failed part-way, 2 refused before anything changed.";
    return text;
}

}  // namespace product
