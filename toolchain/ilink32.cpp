#include "ilink32.h"

#include "child_process.h"
#include "frontend.h"
#include "text.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kiln {
namespace {

const std::vector<std::string> windows_import_libraries{"-lkernel32", "-luser32",   "-lgdi32",   "-lcomdlg32",
                                                        "-lcomctl32", "-ladvapi32", "-lshell32", "-lole32",
                                                        "-loleaut32", "-luuid",     "-lwinmm"};

struct LinkOptions {
    bool console = false, windowed = false, program = false, dll = false;
};

void apply_option(const std::string& option, LinkOptions& options)
{
    if (option == "-Gn")
        return;  // no state files to keep
    else if (option == "-ap")
        options.console = true;
    else if (option == "-aa")
        options.windowed = true;
    else if (option == "-Tpe")
        options.program = true;
    else if (option == "-Tpd")
        options.dll = true;
    else
        throw Failure("unsupported option '" + option + "'");
}

ImageKind image_kind(const LinkOptions& options)
{
    if (options.console && options.windowed) throw Failure("conflicting options '-ap' and '-aa'");
    if (options.program && options.dll) throw Failure("conflicting options '-Tpe' and '-Tpd'");
    if (options.dll) return ImageKind::dll;
    return options.windowed ? ImageKind::windowed : ImageKind::console;
}

bool is_startup_object(const std::string& path)
{
    std::string name = to_lower(file_name_of(path));
    return name == "c0x32.obj" || name == "c0w32.obj" || name == "c0d32.obj";
}

// The file names of a field after the first; options belong before the objects.
std::vector<std::string> field_files(const std::string& field)
{
    std::vector<std::string> files;
    for (const std::string& word : split_words(field)) {
        if (starts_with(word, "-")) throw Failure("unsupported option '" + word + "'");
        files.push_back(to_posix_path(word));
    }
    return files;
}

std::string single_file(const std::string& field, const std::string& what)
{
    std::vector<std::string> files = field_files(field);
    if (files.size() > 1) throw Failure("more than one " + what + " file ('" + files[1] + "')");
    return files.empty() ? std::string() : files[0];
}

void parse_objects(const std::string& field, LinkRequest& request)
{
    LinkOptions options;
    for (const std::string& word : split_words(field)) {
        std::string file = to_posix_path(word);
        if (starts_with(word, "-"))
            apply_option(word, options);
        else if (!is_startup_object(file))
            request.objects.push_back(with_default_extension(file, ".obj"));
    }
    request.kind = image_kind(options);
    if (request.objects.empty()) throw Failure("no object files given");
    for (const std::string& object : request.objects)
        if (extension_of(object) != ".obj")
            throw Failure("unsupported input '" + object + "' (expected .obj)");
}

std::string image_extension(ImageKind kind) { return kind == ImageKind::dll ? ".dll" : ".exe"; }

std::string output_file(const std::string& field, const LinkRequest& request)
{
    std::string output = single_file(field, "output");
    if (output.empty()) return stem_of(request.objects.front()) + image_extension(request.kind);
    return with_default_extension(output, image_extension(request.kind));
}

std::string map_file(const std::string& field)
{
    std::string map = single_file(field, "map");
    std::string name = to_lower(map);
    if (name.empty() || name == "nul" || name == "/dev/null") return std::string();
    return with_default_extension(map, ".map");
}

void parse_libraries(const std::string& field, LinkRequest& request)
{
    for (const std::string& library : field_files(field)) {
        std::string name = to_lower(file_name_of(with_default_extension(library, ".lib")));
        if (name == "cw32mt.lib") continue;  // the cross compiler's C and C++ run-times are linked statically
        if (name == "import32.lib")
            request.windows_libraries = true;
        else
            request.libraries.push_back(with_default_extension(library, ".lib"));
    }
}

void parse_resources(const std::string& field, LinkRequest& request)
{
    for (const std::string& resource : field_files(field)) {
        std::string file = with_default_extension(resource, ".res");
        if (extension_of(file) != ".res")
            throw Failure("unsupported resource file '" + file + "' (expected .res)");
        request.resources.push_back(file);
    }
}

// The line without a leading "<folder>/ld: " (or i686-w64-mingw32-ld, .exe
// allowed), the linker's own name that g++ puts before each of its lines.
std::string without_linker_prefix(const std::string& line)
{
    std::size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0 || line[blank - 1] != ':') return line;
    std::string program = file_name_of(line.substr(0, blank - 1));
    if (program == "ld" || program == "ld.exe" || program == "i686-w64-mingw32-ld" ||
        program == "i686-w64-mingw32-ld.exe")
        return line.substr(blank + 1);
    return line;
}

// The program and the map are written over: naming an input there would
// destroy it.
void check_outputs_are_not_inputs(const LinkRequest& request)
{
    for (const std::string& output : {request.output, request.map})
        for (const std::string& input : link_inputs(request))
            if (!output.empty() && same_file(output, input))
                throw Failure("output file '" + output + "' is also an input");
}

// A temporary object for one converted resource, removed when it goes out of scope.
class TemporaryObject {
public:
    TemporaryObject()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ilink32-XXXXXX.o").string();
        int fd = mkstemps(pattern.data(), 2);
        if (fd < 0) throw Failure("unable to create a temporary file");
        close(fd);
        path_ = pattern;
    }
    ~TemporaryObject() { std::remove(path_.c_str()); }
    TemporaryObject(const TemporaryObject&) = delete;
    TemporaryObject& operator=(const TemporaryObject&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void report_tool_lines(const ChildResult& result, Report& report)
{
    for (const std::string& line : result.output) {
        std::string message = translate_linker_line(line, !result.succeeded);
        if (!message.empty()) report.line(message);
    }
}

void convert_resource(const std::string& resource, const std::string& object, Report& report)
{
    ChildResult result = run_child(resource_command(resource, object));
    report_tool_lines(result, report);
    if (!result.succeeded) throw Failure(failure_reason(cross_resource_compiler, result));
}

}  // namespace

LinkRequest parse_ilink32(const std::string& command_line)
{
    std::vector<std::string> fields = split_at(command_line, ',');
    if (fields.size() > 6) throw Failure("too many fields (at most six, separated by ',')");
    fields.resize(6);
    LinkRequest request;
    parse_objects(fields[0], request);
    request.output = output_file(fields[1], request);
    request.map = map_file(fields[2]);
    parse_libraries(fields[3], request);
    request.def = single_file(fields[4], "definition");
    parse_resources(fields[5], request);
    return request;
}

std::vector<std::string> link_inputs(const LinkRequest& request)
{
    std::vector<std::string> inputs = request.objects;
    inputs.insert(inputs.end(), request.libraries.begin(), request.libraries.end());
    if (!request.def.empty()) inputs.push_back(request.def);
    inputs.insert(inputs.end(), request.resources.begin(), request.resources.end());
    return inputs;
}

std::vector<std::string> resource_command(const std::string& resource, const std::string& object)
{
    return {cross_resource_compiler,    "-J", "res", "-O", "coff", "-i",
            as_tool_argument(resource), "-o", object};
}

std::vector<std::string> link_command(const LinkRequest& request,
                                      const std::vector<std::string>& resource_objects)
{
    std::vector<std::string> command{cross_compiler};
    if (request.kind == ImageKind::dll)
        command.insert(command.end(), {"-shared", "-Wl,--kill-at"});
    else
        command.emplace_back(request.kind == ImageKind::windowed ? "-mwindows" : "-mconsole");
    command.insert(command.end(), {"-static", "-o", as_tool_argument(request.output)});
    for (const std::string& object : request.objects) command.push_back(as_tool_argument(object));
    if (!request.def.empty()) command.push_back(as_tool_argument(request.def));
    command.insert(command.end(), resource_objects.begin(), resource_objects.end());
    if (!request.libraries.empty()) {
        command.emplace_back("-Wl,--start-group");
        for (const std::string& library : request.libraries) command.push_back(as_tool_argument(library));
        command.emplace_back("-Wl,--end-group");
    }
    if (!request.map.empty()) command.push_back("-Wl,-Map," + request.map);
    if (request.windows_libraries)
        command.insert(command.end(), windows_import_libraries.begin(), windows_import_libraries.end());
    return command;
}

std::string translate_linker_line(const std::string& line, bool link_failed)
{
    if (starts_with(line, "collect2:")) return std::string();
    return (link_failed ? "Error " : "Warning ") + without_linker_prefix(line);
}

void run_ilink32(const std::string& command_line, Report& report)
{
    LinkRequest request = parse_ilink32(command_line);
    check_outputs_are_not_inputs(request);
    remove_old_output(request.output);
    for (const std::string& input : link_inputs(request)) require_input(input);
    std::vector<TemporaryObject> converted(request.resources.size());
    std::vector<std::string> resource_objects;
    for (std::size_t i = 0; i < request.resources.size(); ++i) {
        convert_resource(request.resources[i], converted[i].path(), report);
        resource_objects.push_back(converted[i].path());
    }
    ChildResult result = run_child(link_command(request, resource_objects));
    report_tool_lines(result, report);
    if (!result.succeeded) {
        remove_old_output(request.output);
        throw Failure(failure_reason(cross_compiler, result));
    }
}

}  // namespace kiln
