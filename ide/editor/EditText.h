// Small text rules of the editor that need no window.
#pragma once

#include <string>
#include <utility>

namespace kforge {

// The text with every CR LF, lone LF and lone CR turned into CR LF.
std::string ToCrLf(const std::string& text);

// The bytes [first, second) of a call tip's text to draw highlighted for
// argument n (from 0): the n-th comma-separated segment between the first
// "(" and its ")", or of the whole text when it has no "(". {0, 0} when n is
// out of range.
std::pair<size_t, size_t> ArgumentSpan(const std::string& tip, int n);

// The leading blanks and tabs of line.
std::string LeadingIndent(const std::string& line);

}  // namespace kforge
