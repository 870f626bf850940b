// session.cpp: the rebuild of an imported module whose module file is
// missing or stale, the one place where loading a module leads back into
// translation.
#include "compiler.h"

namespace kiln {

void session::rebuild(const std::string& name, bool debug)
{
    struct restore {
        bool& flag;
        bool value;
        ~restore() { flag = value; }
    } restore_option{library_option, library_option};
    compiler nested(name, *this, capitalize(name));
    nested.compile(true, debug);
    build(nested);
}

}  // namespace kiln
