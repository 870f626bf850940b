// Generated shape: SUB and FUNCTION headings, prototypes and bodies.
#define __KLN_DEBUG
#include "core.h"

namespace kln
{
namespace Procs
{

class Shape: public object
{
public: Shape(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Shape) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Procs.Shape"; }
	virtual int Area(int scale);
};

int Shape::Area(int scale)
{
	kln::dbg_func("Procs.Shape.Area");
	int result;
	kln::ref<class Shape> me(this, true);
	kln::dbg_line(5); result = (kln::conv((int*)0, scale * 2 ));
	kln::dbg_endfunc();
	return result;
}

extern "C" void F();
static void __stdcall G();
int __stdcall Count(int& n, kln::array<int> & a, kln::ref<class Shape> f, kln::ref<class Shape>& g, int opt);
void __stdcall Exported(int n)
{
	kln::dbg_func("Procs.Exported");
	kln::dbg_endfunc();
	return;
}

namespace __export
{
	extern "C" __declspec(dllexport) void __stdcall Exported(int n)
	{
		kln::__run_export([&] { ::kln::Procs::Exported(n); });
	}
}

string __stdcall Label(string s, apistring a, long double d, int& n)
{
	kln::dbg_func("Procs.Label");
	string result;
	kln::dbg_endfunc();
	return result;
}

namespace __export
{
	kln::__export_text __text_Label;
	extern "C" __declspec(dllexport) const char* __stdcall Label(const char* s, const char* a, double d, int& n)
	{
		const char* __result;
		kln::__run_export([&] { __result = __text_Label.keep(::kln::Procs::Label(kln::string(s), kln::apistring(a), d, n)); });
		return __result;
	}
}

static void __stdcall G()
{
	kln::dbg_func("Procs.G");
	kln::dbg_endfunc();
	return;
}

int __stdcall Count(int& n, kln::array<int> & a, kln::ref<class Shape> f, kln::ref<class Shape>& g, int opt)
{
	kln::dbg_func("Procs.Count");
	int result;
	kln::dbg_line(12); n++;
	kln::dbg_line(13); result = (kln::conv((int*)0, kln::ubound(a()) + f->Area(kln::conv((int*)0, opt)) ));
	kln::dbg_endfunc();
	return result;
}

kln::ref<class Shape> __stdcall Make()
{
	kln::dbg_func("Procs.Make");
	kln::ref<class Shape> result;
	kln::dbg_line(20); result = (kln::conv((kln::ref<class Shape> *)0, kln::ref<class Shape>(new (class Shape)) ));
	kln::dbg_endfunc();
	return result;
}

string __stdcall Name(string s, apistring a, variant v)
{
	string result;
	result = (kln::conv((string*)0, s + a + v ));
	return result;
}

extern "C" void Main()
{
	kln::dbg_func("Procs.Main");
	int n = 0; kln::array<int>  a(3, 0); 
	kln::ref<class Shape> s = Make();
	kln::dbg_line(30); n = (kln::conv((int*)0, Count(n, a, kln::conv((kln::ref<class Shape> *)0, s), s, 0) ));
	kln::dbg_line(31); print << Name(kln::conv((string*)0, n), kln::conv((apistring*)0, string("x")), kln::conv((variant*)0, 1)) << string("\r\n"); 
	kln::dbg_endfunc();
	return;
}

}
}
