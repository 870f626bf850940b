#pragma once
// Reading the words of a test host command: texts, where "" stands for the
// empty text, and numbers. Each throws std::invalid_argument when the word
// is missing or not a number.

#include <string>

#include "HostWindow.h"

namespace kforge {

std::string TextWord(const HostWindow::Words& args, size_t index);
int NumberWord(const HostWindow::Words& args, size_t index);
// A text for a result line: the empty text shows as "".
std::string Shown(const std::string& text);

}  // namespace kforge
