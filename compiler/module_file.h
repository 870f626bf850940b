// module_file.h: the compiled module file (.kmd), written for a library and
// read for every module that imports one (see module_file.cpp).
#pragma once

#include "symbols.h"

#include <functional>

namespace kiln {

// The longest text of one module-file string. The reader refuses longer
// ones; the writer refuses them too, and so does the folding of string
// constants, whose values the module file keeps.
const size_t max_module_string = 1 << 20;

int32_t read_int(std::istream& in);  // throws "invalid module format" at end of file
void write_int(int32_t value, std::ostream& out);
// A record count of a module file; "invalid module format" when it is
// negative or larger than the bytes left in the file.
int32_t read_count(std::istream& in);
std::string read_str(std::istream& in);  // throws "invalid module format" at end of file or past the cap
// Throws a message when the reader could not read the text back: longer
// than max_module_string, or holding a NUL byte, which would end it early.
void write_str(const std::string& text, std::ostream& out);

// The module file of a module as its importers read it. Throws a message
// naming the declaration whose text the reader could not read back.
std::string module_file_text(const module& m, const std::vector<module*>& loaded_modules);
void write_module_file(const std::string& module_name, const std::string& text);

// What reading a module file needs of the modules around it.
struct module_file_context {
    const std::vector<module*>& loaded;  // the importer first, then the modules loaded so far
    bool apistring;                      // the importer reads STRING as APISTRING (alias targets)
    // Loads a module that the file names among its imports, unless it is
    // loaded already; it joins `loaded` when complete.
    std::function<void(const std::string&)> load_import;
};

// Reads the head of a module file, the magic and the version, and hands
// each name of its import list to `import`, in file order; the file then
// stands at the module's own flags. A damaged head is an "invalid module format".
void read_module_imports(std::istream& file, const std::function<void(const std::string&)>& import);

// Reads a module file into m, an empty module record named after the file.
// A damaged file is an "invalid module format".
void read_module_file(std::istream& file, module& m, const module_file_context& context);

}  // namespace kiln
