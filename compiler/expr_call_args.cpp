// expr_call_args.cpp: the argument list of a call. Each argument reaches
// its parameter converted to the parameter's type, by reference as an
// assignable operand, as a whole array or container, or BYVAL as a raw
// pointer value; omitted optional arguments get their defaults.
#include "expr.h"

namespace kiln {

namespace {

using namespace expr;

bool type_named(const type_symbol* t, const char* name) { return t && equal_nocase(t->name, name); }

bool is_any(const type_symbol* t) { return type_named(t, "ANY"); }

bool is_string_type(const type_symbol* t) { return type_named(t, "STRING") || type_named(t, "APISTRING"); }

// The parameter's full C++ type, as its conversion head names it.
std::string parameter_type_text(const variable_symbol& p)
{
    return container_type_text(conv_type_text(p.type), p.is_array, p.container);
}

procedure_symbol* look_up_procedure(compiler& c)
{
    symbol* s = c.require_identifier(c.lex.text);
    if (s->kind != symbol_kind::procedure) throw "global function expected";
    return static_cast<procedure_symbol*>(s);
}

class argument_list {
public:
    argument_list(compiler& c, const procedure_symbol& procedure, bool statement_form, text_stream& out)
        : c_(c), procedure_(procedure), statement_form_(statement_form), out_(out)
    {
    }

    void translate()
    {
        c_.next();
        out_ << "(";
        size_t written = translate_written_arguments();
        write_defaults(written);
        out_ << ")";
    }

private:
    compiler& c_;
    const procedure_symbol& procedure_;
    bool statement_form_;
    text_stream& out_;

    const std::vector<variable_symbol*>& parameters() const { return procedure_.parameters; }

    // Arguments are written in parentheses, or in a call statement without
    // them up to the end of the statement. Returns how many were given.
    size_t translate_written_arguments()
    {
        bool parenthesised = c_.is_operator("(");
        bool present =
            parenthesised || (statement_form_ && !c_.at_end_of_statement() && !c_.is_operator("."));
        if (!present) return 0;
        if (parenthesised) c_.next();
        size_t given = parenthesised && c_.is_operator(")") ? 0 : translate_arguments();
        if (parenthesised) {
            expect_operator(c_, ")", "closing brace expected");
            c_.next();
        }
        return given;
    }

    size_t translate_arguments()
    {
        size_t index = 0;
        while (index < parameters().size()) {
            translate_argument(index++);
            if (c_.is_operator(")")) break;
            if (c_.is_operator(",")) {
                c_.next();
                continue;
            }
            if (statement_form_) break;
            throw "comma or closing brace expected";
        }
        return index;
    }

    void translate_argument(size_t index)
    {
        const variable_symbol& p = *parameters()[index];
        bool byval = c_.is_word("BYVAL");
        if (byval) {
            if (!is_any(p.type) && !is_string_type(p.type))
                throw "only STRING and ANY arguments can be passed BYVAL";
            c_.next();
        }
        if (index > 0) out_ << ", ";
        bool head = !byval && !p.by_reference && !is_any(p.type) && !c_.run.no_convert;
        if (head) out_ << "kln::conv((" << parameter_type_text(p) << "*)0, ";
        if (c_.is_operator(",")) {
            if (p.default_value.empty()) throw "argument not optional";
            out_ << p.default_value;
        } else {
            check_record_argument(p, translate_value_for(p, byval));
        }
        if (head) out_ << ")";
    }

    type_symbol* translate_value_for(const variable_symbol& p, bool byval)
    {
        if (is_any(p.type)) {
            if (byval) return translate_pointer_value("(void*)");
            if (!procedure_.generic) out_ << "&";
            return translate_assignable(bare_lvalue(), "not an lvalue");
        }
        if (p.by_reference && !p.is_array && p.container == container_kind::none) {
            type_symbol* t = translate_assignable(bare_lvalue(), "not an lvalue");
            if (t != p.type) throw "type mismatch";
            return t;
        }
        if (p.by_reference) {
            type_symbol* t = translate_whole(p);
            if (t != p.type) throw "array must be of the same type as argument";
            return t;
        }
        if (byval) return translate_pointer_value("(char*)");
        return translate_value(c_, out_);
    }

    static request bare_lvalue()
    {
        request r;
        r.want_lvalue = true;
        r.bare_lvalue = true;
        return r;
    }

    // A whole array, collection or dictionary of the parameter's kind.
    type_symbol* translate_whole(const variable_symbol& p)
    {
        request r = bare_lvalue();
        if (p.is_array) {
            r.want_array = true;
            return translate_assignable(r, "array expected");
        }
        r.want_collection = true;
        r.wanted_container = p.container;
        return translate_assignable(r, container_expected(p.container));
    }

    type_symbol* translate_assignable(const request& r, const char* message)
    {
        expression argument = translate_expression(c_, r, out_);
        if (argument.kind != expression::form::target) throw message;
        return argument.type;
    }

    // BYVAL: a number taken as an address.
    type_symbol* translate_pointer_value(const char* cast)
    {
        out_ << cast << (c_.run.no_convert ? " " : "kln::conv((int*)0, ");
        type_symbol* t = translate_value(c_, out_);
        if (!c_.run.no_convert) out_ << ")";
        return t;
    }

    void check_record_argument(const variable_symbol& p, const type_symbol* t) const
    {
        if ((is_record(p.type) || is_record(t)) && !is_any(p.type) && t != p.type) throw "type mismatch";
    }

    void write_defaults(size_t given)
    {
        for (size_t index = given; index < parameters().size(); ++index) {
            const variable_symbol& p = *parameters()[index];
            if (p.default_value.empty()) throw "argument not optional";
            if (index > 0) out_ << ", ";
            out_ << p.default_value;
        }
    }
};

}  // namespace

type_symbol* translate_call_args(compiler& c, procedure_symbol* procedure, bool statement_form,
                                 text_stream& out)
{
    if (!procedure) procedure = look_up_procedure(c);
    argument_list(c, *procedure, statement_form, out).translate();
    return procedure->result_type;
}

}  // namespace kiln
