// The root class, releasing objects, and the registry of type records.
#include "runtime.h"

#include <stdlib.h>

namespace kln {
void object::operator delete(void* p) { __free(p); }

kln::string object::ClassName() { return "OBJECT"; }

void object::__release(object* p, bool borrowed)
{
    if (!borrowed) __unref(p);
}

void object::__release2(object* p, bool borrowed)
{
    if (!borrowed) __unref(p);
}

// Terminate() runs with the count held at 1, so that a reference taken and
// dropped inside it cannot free the object a second time; a reference that
// Terminate() keeps keeps the object alive.
void __destroy(object* o)
{
    o->__refcnt = 1;
    o->Terminate();
    if (--o->__refcnt == 0) delete o;
}

[[noreturn]] void __type_mismatch() { __throw("type mismatch"); }

// ---------------------------------------------------------------------------
// classlist: an intrusive list whose head is constant-initialised, so that
// records can register themselves in any order of static initialisation.

namespace {
rtti* class_records = nullptr;

bool equal_ignoring_case(const string& a, const string& b)
{
    if (a.length() != b.length()) return false;
    const char* x = a.chars();
    const char* y = b.chars();
    for (int i = 0; i < a.length(); ++i) {
        char p = x[i] >= 'a' && x[i] <= 'z' ? x[i] - 32 : x[i];
        char q = y[i] >= 'a' && y[i] <= 'z' ? y[i] - 32 : y[i];
        if (p != q) return false;
    }
    return true;
}
}  // namespace

void classlist::add(rtti* record)
{
    record->__next = class_records;
    class_records = record;
}

rtti* classlist::first() { return class_records; }

rtti* classlist::find(const string& name)
{
    for (rtti* r = class_records; r; r = r->__next)
        if (equal_ignoring_case(r->name(), name)) return r;
    return nullptr;
}

__rtti_object::__rtti_object() { classlist::add(this); }

string __rtti_object::name() { return "OBJECT"; }

ref<object> __rtti_object::create() { return new object; }

struct __rtti_object __rtti_object;
}  // namespace kln
