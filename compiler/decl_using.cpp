// decl_using.cpp: USING (import compiled modules), ALIAS (a second name for
// a type or identifier of this module) and DECLARE BUILTIN (types and
// classes that the run-time library defines). None of them writes C++ code
// beyond a comment.
#include "compiler.h"

namespace {

void expect_identifier(const compiler& c)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
}

// The newest entry of that name, aliases resolved, or null.
symbol* find_own(const named_list<symbol>& list, const std::string& name)
{
    symbol* found = list.find_raw(name);
    return found ? found->resolve() : nullptr;
}

procedure_symbol* builtin_method(const char* name, visibility_level visibility, type_symbol* result)
{
    auto* method = new procedure_symbol(name, visibility, true, true, result);
    method->is_member = true;
    return method;
}

// SaveToStream / LoadFromStream: one parameter Stream of the class, by value.
procedure_symbol* builtin_stream_method(const char* name, class_symbol* cls)
{
    procedure_symbol* method = builtin_method(name, vis_public, nullptr);
    method->parameters.push_back(new variable_symbol("Stream", vis_local, 0, cls));
    return method;
}

// The root-class shape that the run-time library implements.
class_symbol* builtin_class(compiler& c, const std::string& name)
{
    auto* cls = new class_symbol(name, vis_public, nullptr);
    cls->methods.push_back(builtin_method("Initialize", vis_protected, nullptr));
    cls->methods.push_back(builtin_method("Terminate", vis_protected, nullptr));
    cls->methods.push_back(builtin_method("ClassName", vis_public, c.require_type("STRING")));
    cls->methods.push_back(builtin_stream_method("SaveToStream", cls));
    cls->methods.push_back(builtin_stream_method("LoadFromStream", cls));
    return cls;
}

}  // namespace

void compiler::translate_using()
{
    do {
        next();
        expect_identifier(*this);
        std::string name = capitalize(lex.text);
        // A module that is already loaded (System, an import, a repeated
        // name) is not read again.
        load_import(name);
        next();
    } while (is_operator(","));
}

void compiler::translate_alias()
{
    next();
    expect_identifier(*this);
    std::string name = lex.text;
    if (symbol* existing = find_own(this_module.identifiers, name))
        throw "duplicate identifier '" + existing->name + "'";
    next();
    if (!is_operator("=")) throw "assignment expected";
    next();
    bool refers_to_type = is_word("TYPE");
    if (refers_to_type) next();
    expect_identifier(*this);
    named_list<symbol>& list = refers_to_type ? this_module.types : this_module.identifiers;
    symbol* target = find_own(list, lex.text);
    if (!target) throw refers_to_type ? "typename expected" : "identifier expected";
    list.push_back(new alias_symbol(name, target->visibility, target, refers_to_type));
    next();
}

void compiler::translate_builtin(visibility_level visibility)
{
    next();
    if (is_word("TYPE")) {
        next();
        expect_identifier(*this);
        this_module.types.push_back(new record_symbol(lex.text, visibility));
        output << "// builtin type " << lex.text;
    } else if (is_word("CLASS")) {
        next();
        expect_identifier(*this);
        this_module.types.push_back(builtin_class(*this, lex.text));
        output << "// builtin class " << lex.text;
    } else {
        expect_identifier(*this);
        this_module.types.push_back(new type_symbol(lex.text));
        output << "// builtin " << lex.text;
    }
    next();
}
