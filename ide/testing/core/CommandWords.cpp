#include "CommandWords.h"

#include <stdexcept>

namespace kforge {

std::string TextWord(const HostWindow::Words& args, size_t index)
{
    if (index >= args.size()) {
        throw std::invalid_argument("missing argument " + std::to_string(index + 1));
    }
    return args[index] == "\"\"" ? std::string() : args[index];
}

int NumberWord(const HostWindow::Words& args, size_t index)
{
    return static_cast<int>(ParseNumber(TextWord(args, index)));
}

std::string Shown(const std::string& text) { return text.empty() ? "\"\"" : text; }

}  // namespace kforge
