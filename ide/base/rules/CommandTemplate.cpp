#include "CommandTemplate.h"

#include "Texts.h"
#include "Paths.h"

namespace kforge {

namespace {

// Where the template's word that begins at `start` ends: at the first blank
// outside double quotes.
std::string::size_type WordEnd(const std::string& text, std::string::size_type start)
{
    bool quoted = false;
    std::string::size_type at = start;
    for (; at < text.size() && (quoted || text[at] != ' '); ++at) {
        if (text[at] == '"') quoted = !quoted;
    }
    return at;
}

// One word of the template with its placeholders replaced; in double quotes
// when a value made it hold a blank and the word has no quotes of its own,
// so that the tool gets it as one argument.
std::string SubstituteWord(const std::string& word, const std::string& file)
{
    std::string result = ReplaceAll(word, "%FILE%", GetFileTitle(file));
    result = ReplaceAll(result, "%PATH%", GetPath(file));
    result = ReplaceAll(result, "%FULL%", Trim(file));
    if (result == word || word.find('"') != std::string::npos) return result;
    return QuoteIfBlank(result);
}

}  // namespace

// Word by word: no placeholder spans a blank, so this replaces in the same
// order and on the same text as three passes over the whole template.
std::string SubstituteCommand(const std::string& commandTemplate, const std::string& file)
{
    std::string command;
    std::string::size_type at = 0;
    while (at < commandTemplate.size()) {
        if (commandTemplate[at] == ' ') {
            command += ' ';
            ++at;
            continue;
        }
        std::string::size_type end = WordEnd(commandTemplate, at);
        command += SubstituteWord(commandTemplate.substr(at, end - at), file);
        at = end;
    }
    return command;
}

std::string QuoteIfBlank(const std::string& path)
{
    if (path.find(' ') == std::string::npos || StartsWith(path, "\"")) return path;
    // Backslashes before the closing quote are doubled: the command line's
    // reader takes a backslash before a quote as escaping it.
    std::string::size_type trailing = path.size() - path.find_last_not_of('\\') - 1;
    return "\"" + path + std::string(trailing, '\\') + "\"";
}

std::string ToolCommand(const std::string& toolPath, const std::string& parameters)
{
    return QuoteIfBlank(toolPath) + " " + parameters;
}

}  // namespace kforge
