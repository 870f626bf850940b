// Generated shape: DIM declarations at module, procedure and class level,
// with initialisers, automatic variants and records.
#include "core.h"

namespace kln
{
namespace Decls
{

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Decls.Item"; }
};

	int i; 
	variant x; 
	double a, b; 
	int j; string s; 
	unsigned char by; unsigned short w; unsigned long dw; short sh; float f; long double dec; bool flag; apistring api; event e; void* any; 
	kln::ref<class Item>  o; 
	kln::ref<class Item>  o2 = kln::ref<class Item>(new (class Item)); 
	int n = kln::conv((int*)0, 5); 
	variant x5 = kln::conv((variant*)0, 5); 
	string title = kln::conv((string*)0, string("Decls")); 
	apistring api2 = kln::conv((apistring*)0, string("text")); 
	bool yes = kln::conv((bool*)0, 1); 
	unsigned long big = kln::conv((unsigned long*)0, -1); 
	unsigned char small = kln::conv((unsigned char*)0, 300); 
	float ratio = kln::conv((float*)0, 2.5); 
	long double precise = kln::conv((long double*)0, string("1.25")); 
	void* none = kln::conv((void**)0, 0); 
	kln::ref<class Item>  o3 = kln::conv((kln::ref<class Item> *)0, o2); 
	kln::ref<class object>  root = kln::conv((kln::ref<class object> *)0, o2); 
	kln::array<variant>  va(1, 10); 

static void __stdcall Locals()
{
	int i; string s; variant v; 
	kln::ref<class Item>  p = kln::conv((kln::ref<class Item> *)0, root); 
	kln::ref<class Item>  q = kln::conv((kln::ref<class Item> *)0, 0); 
	variant n = (kln::conv((variant*)0, 5 ));
	variant m = (kln::conv((variant*)0, n ));
	int k = kln::conv((int*)0, s); 
	string t = kln::conv((string*)0, k); 
}

}
}
