#include "tlib.h"

#include "child_process.h"
#include "frontend.h"
#include "text.h"

namespace kiln {
namespace {

bool is_page_size_option(const std::string& word)
{
    return to_lower(word.substr(0, 2)) == "/p" && is_digits(word.substr(2));
}

// /P<digits>, /C and /E describe the layout of the original library format;
// an ar archive needs none of them.
bool is_ignored_option(const std::string& word)
{
    std::string option = to_lower(word);
    return is_page_size_option(word) || option == "/c" || option == "/e";
}

LibraryEdit parse_command(const std::string& word)
{
    std::size_t name_start = word.find_first_not_of("+-*");
    std::string action = word.substr(0, name_start);
    std::string name = name_start == std::string::npos ? std::string() : word.substr(name_start);
    if (action.find('*') != std::string::npos) throw Failure("extracting ('*') is not supported");
    if (starts_with(name, "@")) throw Failure("listfiles are not supported");
    if (name.empty()) throw Failure("command '" + word + "' names no object");
    std::string object = with_default_extension(to_posix_path(name), ".obj");
    if (action == "+" || action == "-+" || action == "+-")
        return {LibraryEdit::Action::add_or_replace, object};
    if (action == "-") return {LibraryEdit::Action::remove, object};
    throw Failure("unsupported command '" + word + "'");
}

ChildResult run_archiver(const std::vector<std::string>& command, Report& report)
{
    ChildResult result = run_child(command);
    if (!result.succeeded) {
        for (const std::string& line : result.output) report.line("Error " + line);
        throw Failure(failure_reason(cross_archiver, result));
    }
    return result;
}

bool is_member(const std::string& library, const std::string& object, Report& report)
{
    ChildResult listing = run_archiver({cross_archiver, "t", library}, report);
    for (const std::string& member : listing.output)
        if (member == file_name_of(object)) return true;
    return false;
}

// Every object to add must exist, and none may be the library itself (the
// archiver would take the library in as a member of itself), before the
// library is touched: a bad command line leaves the library as it was.
void check_objects_to_add(const LibraryRequest& request)
{
    for (const LibraryEdit& edit : request.edits) {
        if (edit.action != LibraryEdit::Action::add_or_replace) continue;
        if (same_file(edit.object, request.library))
            throw Failure("cannot add the library '" + request.library + "' to itself");
        require_input(edit.object);
    }
}

}  // namespace

LibraryRequest parse_tlib(const std::string& command_line)
{
    if (split_at(command_line, ',').size() > 1) throw Failure("listfiles are not supported");
    LibraryRequest request;
    for (const std::string& word : split_words(command_line)) {
        if (request.library.empty() && is_ignored_option(word)) continue;
        if (starts_with(word, "@")) throw Failure("response files are not supported");
        if (request.library.empty()) {
            if (word.find_first_of("+-*") == 0) throw Failure("unsupported option '" + word + "'");
            request.library = with_default_extension(to_posix_path(word), ".lib");
        } else {
            request.edits.push_back(parse_command(word));
        }
    }
    if (request.library.empty()) throw Failure("no library given");
    if (request.edits.empty()) throw Failure("no command given");
    return request;
}

std::vector<std::string> edit_command(const std::string& library, const LibraryEdit& edit)
{
    std::string operation = edit.action == LibraryEdit::Action::remove ? "d" : "rcs";
    std::string member = edit.action == LibraryEdit::Action::remove ? file_name_of(edit.object) : edit.object;
    return {cross_archiver, operation, library, member};
}

void run_tlib(const std::string& command_line, Report& report)
{
    LibraryRequest request = parse_tlib(command_line);
    check_objects_to_add(request);
    for (const LibraryEdit& edit : request.edits) {
        if (edit.action == LibraryEdit::Action::remove) {
            require_input(request.library);
            if (!is_member(request.library, edit.object, report)) {
                report.line("Warning " + report.tool() + ": '" + file_name_of(edit.object) + "' is not in '" +
                            request.library + "'");
                continue;
            }
        }
        ChildResult result = run_archiver(edit_command(request.library, edit), report);
        for (const std::string& line : result.output) report.line("Warning " + line);
    }
}

}  // namespace kiln
