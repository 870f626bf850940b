#include "bcc32.h"

#include "child_process.h"
#include "fixed_flags.h"
#include "frontend.h"
#include "text.h"

namespace kiln {
namespace {

void apply_option(const std::string& option, CompileRequest& request, bool& compile_only)
{
    if (option == "-c")
        compile_only = true;
    else if (option == "-O2")
        request.optimise = true;
    else if (option == "-w-")
        request.no_warnings = true;
    else if (option == "-x-" || option == "-d" || option == "-WM")
        return;  // exceptions stay on; -d and -WM need nothing of the cross compiler
    else
        throw Failure("unsupported option '" + option + "'");
}

void check_source_extension(const std::string& source)
{
    std::string extension = extension_of(source);
    if (extension != ".cpp" && extension != ".c")
        throw Failure("unsupported source file '" + source + "' (expected .cpp or .c)");
}

// "file:line[:col]: <kind>: message", split up. Parsed by hand: a regular
// expression recurses per character and overflows the stack on the very long
// lines that g++ can write.
struct Diagnostic {
    std::string file, line, message;
    bool is_warning = false;
};

// Splits "text:digits" into text and digits; false when it has no such end.
bool split_number_suffix(const std::string& text, std::string& head, std::string& number)
{
    std::size_t colon = text.find_last_of(':');
    if (colon == std::string::npos || colon == 0 || !is_digits(text.substr(colon + 1))) return false;
    head = text.substr(0, colon);
    number = text.substr(colon + 1);
    return true;
}

// "file:line:col" or "file:line" into file and line.
bool parse_location(const std::string& location, Diagnostic& diagnostic)
{
    std::string head, number;
    if (!split_number_suffix(location, head, number)) return false;
    std::string file, line;
    if (split_number_suffix(head, file, line)) {
        diagnostic.file = file;
        diagnostic.line = line;
    } else {
        diagnostic.file = head;
        diagnostic.line = number;
    }
    return true;
}

bool parse_diagnostic(const std::string& line, Diagnostic& diagnostic)
{
    // g++'s own kinds, then the assembler's (for asm statements).
    static const struct {
        const char* marker;
        bool is_warning;
    } kinds[] = {{": error: ", false},
                 {": fatal error: ", false},
                 {": warning: ", true},
                 {": Error: ", false},
                 {": Warning: ", true}};
    std::size_t best = std::string::npos;
    for (const auto& kind : kinds) {
        std::size_t at = line.find(kind.marker);
        if (at == std::string::npos || at >= best) continue;
        best = at;
        diagnostic.is_warning = kind.is_warning;
        diagnostic.message = line.substr(at + std::string(kind.marker).size());
    }
    return best != std::string::npos && parse_location(line.substr(0, best), diagnostic);
}

}  // namespace

CompileRequest parse_bcc32(const std::string& command_line)
{
    CompileRequest request;
    bool compile_only = false;
    for (const std::string& word : split_words(command_line)) {
        if (starts_with(word, "-"))
            apply_option(word, request, compile_only);
        else if (request.source.empty())
            request.source = to_posix_path(word);
        else
            throw Failure("more than one source file ('" + request.source + "', '" + word + "')");
    }
    if (request.source.empty()) throw Failure("no source file given");
    check_source_extension(request.source);
    if (!compile_only) throw Failure("linking is not supported (use -c)");
    return request;
}

std::string object_file(const CompileRequest& request) { return stem_of(request.source) + ".obj"; }

std::vector<std::string> compile_command(const CompileRequest& request)
{
    std::vector<std::string> command{cross_compiler, "-c"};
    for (const char* flag : fixed_compiler_flags) command.emplace_back(flag);
    if (request.optimise) command.emplace_back("-O2");
    if (request.no_warnings) command.emplace_back("-w");
    command.insert(command.end(),
                   {"-o", as_tool_argument(object_file(request)), as_tool_argument(request.source)});
    return command;
}

std::string translate_compiler_line(const std::string& line)
{
    Diagnostic diagnostic;
    if (!parse_diagnostic(line, diagnostic)) return line;
    std::string kind = diagnostic.is_warning ? "Warning " : "Error ";
    return kind + diagnostic.file + " " + diagnostic.line + ": " + diagnostic.message;
}

void run_bcc32(const std::string& command_line, Report& report)
{
    CompileRequest request = parse_bcc32(command_line);
    remove_old_output(object_file(request));
    require_input(request.source);
    ChildResult result = run_child(compile_command(request));
    for (const std::string& line : result.output) report.line(translate_compiler_line(line));
    if (!result.succeeded) {
        remove_old_output(object_file(request));
        throw Failure(failure_reason(cross_compiler, result));
    }
}

}  // namespace kiln
