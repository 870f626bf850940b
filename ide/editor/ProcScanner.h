// Finds the procedure headings of a module's text for the procedure list,
// and the entry to preselect for the caret's line.
#pragma once

#include <string>
#include <vector>

namespace kforge {

// A heading: the text the list shows and its 0-based line index.
struct ProcEntry {
    std::string text;
    int line;
};

// The text's lines split at CR LF only (a lone CR or LF stays in its line);
// an empty text has no lines, a text ending in CR LF an empty last line.
std::vector<std::string> SplitCrLfLines(const std::string& text);

// The headings of the text, in line order. A line's head is its text before
// the first "(", trimmed of spaces (tabs stay). A head that begins, ignoring
// case, with one of "function ", "public function ", "sub ", "public sub ",
// "private function ", "private sub " gives the rest of the head, trimmed;
// "[private |public ]property let |get " gives the rest followed by
// "(PropertyLet)" or "(PropertyGet)".
std::vector<ProcEntry> ScanProcedures(const std::string& text);

// The index in the procedure list to preselect for the caret on 0-based line
// caretLine, where index 0 is the list's "(Declarations)" entry and index k
// is entries[k - 1]: the last heading at or above line max(caretLine, 1).
// 0 when that line is not below lineCount, or no heading is at or above it.
int PreselectLine(const std::vector<ProcEntry>& entries, int lineCount, int caretLine);

}  // namespace kforge
