#include "bcc32.h"

#include "child_process.h"
#include "fixed_flags.h"
#include "frontend.h"
#include "text.h"

#include <regex>

namespace kiln {
namespace {

void apply_option(const std::string& option, CompileRequest& request, bool& compile_only) {
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

void check_source(const std::string& source) {
    std::string extension = extension_of(source);
    if (extension != ".cpp" && extension != ".c")
        throw Failure("unsupported source file '" + source + "' (expected .cpp or .c)");
    if (!file_exists(source)) throw Failure("unable to open file '" + source + "'");
}

}  // namespace

CompileRequest parse_bcc32(const std::string& command_line) {
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
    if (!compile_only) throw Failure("linking is not supported (use -c)");
    return request;
}

std::string object_file(const CompileRequest& request) {
    return stem_of(request.source) + ".obj";
}

std::vector<std::string> compile_command(const CompileRequest& request) {
    std::vector<std::string> command{cross_compiler, "-c"};
    for (const char* flag : fixed_compiler_flags) command.emplace_back(flag);
    if (request.optimise) command.emplace_back("-O2");
    if (request.no_warnings) command.emplace_back("-w");
    command.insert(command.end(), {"-o", object_file(request), request.source});
    return command;
}

std::string translate_compiler_line(const std::string& line) {
    static const std::regex diagnostic(R"(^(.+?):(\d+):(?:\d+:)? (error|fatal error|warning): (.*)$)");
    std::smatch part;
    if (!std::regex_match(line, part, diagnostic)) return line;
    std::string kind = part[3] == "warning" ? "Warning " : "Error ";
    return kind + part[1].str() + " " + part[2].str() + ": " + part[4].str();
}

void run_bcc32(const std::string& command_line, Report& report) {
    CompileRequest request = parse_bcc32(command_line);
    check_source(request.source);
    remove_old_output(object_file(request));
    ChildResult result = run_child(compile_command(request));
    for (const std::string& line : result.output) report.line(translate_compiler_line(line));
    if (!result.succeeded) {
        remove_old_output(object_file(request));
        throw Failure(failure_reason(cross_compiler, result));
    }
}

}  // namespace kiln
