// Generated shape: argument lists (converted values, by-reference
// arguments, ANY, BYVAL, arrays and containers, defaults).
#include "core.h"

namespace kln
{
namespace Calls
{

void __stdcall Take(int n, string s, variant v, double d, bool b);
void __stdcall TakeRef(int& n, string& s, variant& v);
void __stdcall TakeAny(void* p);
void __stdcall TakeArray(kln::array<int> & a, kln::collection<string> & c, kln::dictionary<variant> & d);
void __stdcall TakeByVal(char* s, void* p);
void __stdcall TakeObject(kln::ref<class Shape> f);
int __stdcall Sum(int a, int b);
class Shape: public object
{
public: Shape(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Shape) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Calls.Shape"; }
};

static void __stdcall Caller()
{
	int n; string s; variant v; double d; apistring a; unsigned char by; short sh; float f;
	kln::array<int>  arr(10, 0); kln::collection<string>  c; kln::dictionary<variant>  dict;
	kln::ref<class Shape>  o;
	Take(kln::conv((int*)0, v), kln::conv((string*)0, n), kln::conv((variant*)0, s), kln::conv((double*)0, string("2.5")), kln::conv((bool*)0, 1));
	Take(kln::conv((int*)0, 1.5), kln::conv((string*)0, a), kln::conv((variant*)0, a), kln::conv((double*)0, by), kln::conv((bool*)0, s));
	Take(kln::conv((int*)0, 4294967295), kln::conv((string*)0, 2.5), kln::conv((variant*)0, f), kln::conv((double*)0, sh), kln::conv((bool*)0, v));
	TakeRef(n, s, v);
	TakeAny(&n);
	TakeAny(&s);
	TakeAny(&v);
	TakeAny((void*)kln::conv((int*)0, 0));
	TakeArray(arr, c, dict);
	TakeByVal((char*)kln::conv((int*)0, 0), (void*)kln::conv((int*)0, n));
	TakeObject(kln::conv((kln::ref<class Shape> *)0, o));
	TakeObject(kln::conv((kln::ref<class Shape> *)0, kln::ref<class Shape>(new (class Shape))));
	n = (kln::conv((int*)0, Sum(kln::conv((int*)0, 1), kln::conv((int*)0, v)) ));
}

// The same calls under -c (no conversions).
static void __stdcall CallerUnconverted()
{
	int n = 0; string s; variant v;
	Take(n, s, v, 2.5, true);
	TakeByVal((char*) s, (void*) s);
	TakeByVal((char*) 0, (void*) n);
}

}
}
