#include "ProcScanner.h"

#include "Texts.h"

#include <algorithm>
#include <cstring>

namespace kforge {

namespace {

struct HeadingKind {
    const char* prefix;
    const char* suffix;
};

// In the order of comparison; the first prefix the head begins with decides.
const HeadingKind headingKinds[] = {
    {"function ", ""},
    {"public function ", ""},
    {"sub ", ""},
    {"public sub ", ""},
    {"private function ", ""},
    {"private sub ", ""},
    {"property let ", "(PropertyLet)"},
    {"property get ", "(PropertyGet)"},
    {"private property let ", "(PropertyLet)"},
    {"private property get ", "(PropertyGet)"},
    {"public property let ", "(PropertyLet)"},
    {"public property get ", "(PropertyGet)"},
};

}  // namespace

std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

std::vector<ProcEntry> ScanProcedures(const std::string& text)
{
    std::vector<ProcEntry> entries;
    const std::vector<std::string> lines = SplitCrLfLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string head = Trim(lines[i].substr(0, lines[i].find('(')));
        const std::string key = LowerCase(head);
        for (const HeadingKind& kind : headingKinds) {
            const std::size_t prefixLength = std::strlen(kind.prefix);
            if (key.compare(0, prefixLength, kind.prefix) == 0) {
                const std::string name = Trim(head.substr(prefixLength));
                entries.push_back(ProcEntry{name + kind.suffix, static_cast<int>(i)});
                break;
            }
        }
    }
    return entries;
}

int PreselectLine(const std::vector<ProcEntry>& entries, int lineCount, int caretLine)
{
    // The rebuild preselects at the caret's line, never before line 1, and
    // only at a line the text has.
    const int line = std::max(caretLine, 1);
    if (line >= lineCount) return 0;
    const auto above = std::find_if(entries.begin(), entries.end(),
                                    [line](const ProcEntry& entry) { return entry.line > line; });
    return static_cast<int>(above - entries.begin());
}

}  // namespace kforge
