// decl_using.cpp: USING (import compiled modules), ALIAS (a second name for
// a type or identifier of this module) and DECLARE BUILTIN (types and
// classes that the run-time library defines). None of them writes C++ code
// beyond a comment.
#include "compiler.h"

namespace kiln {

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

void translate_using(compiler& c)
{
    do {
        c.next();
        expect_identifier(c);
        std::string name = capitalize(c.lex.text);
        // A module that is already loaded (System, an import, a repeated
        // name) is not read again.
        c.load_import(name);
        c.next();
    } while (c.is_operator(","));
}

void translate_alias(compiler& c)
{
    c.next();
    expect_identifier(c);
    std::string name = c.lex.text;
    if (symbol* existing = find_own(c.this_module.identifiers, name))
        throw "duplicate identifier '" + existing->name + "'";
    c.next();
    if (!c.is_operator("=")) throw "assignment expected";
    c.next();
    bool refers_to_type = c.is_word("TYPE");
    if (refers_to_type) c.next();
    expect_identifier(c);
    named_list<symbol>& list = refers_to_type ? c.this_module.types : c.this_module.identifiers;
    symbol* target = find_own(list, c.lex.text);
    if (!target) throw refers_to_type ? "typename expected" : "identifier expected";
    list.push_back(new alias_symbol(name, target->visibility, target, refers_to_type));
    c.next();
}

void translate_builtin(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.is_word("TYPE")) {
        c.next();
        expect_identifier(c);
        c.this_module.types.push_back(new record_symbol(c.lex.text, visibility));
        c.output << "// builtin type " << c.lex.text;
    } else if (c.is_word("CLASS")) {
        c.next();
        expect_identifier(c);
        c.this_module.types.push_back(builtin_class(c, c.lex.text));
        c.output << "// builtin class " << c.lex.text;
    } else {
        expect_identifier(c);
        c.this_module.types.push_back(new type_symbol(c.lex.text));
        c.output << "// builtin " << c.lex.text;
    }
    c.next();
}

}  // namespace kiln
