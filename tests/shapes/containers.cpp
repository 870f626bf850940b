// Generated shape: arrays, collections and dictionaries in expressions and
// declarations, LBOUND/UBOUND, container members.
#include "core.h"

namespace kln
{
namespace Lists
{

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Lists.Item"; }
	kln::collection<variant>  items;
};

	kln::array<int>  a(10, 0); 
	kln::array<double>  m(1, 3, 1, 4); 
	kln::array<variant>  grid(1, 0, 2, 0, 3, 0, 4, 0); 
	kln::array<string>  d; 
	kln::collection<kln::ref<class Item> >  c; 
	kln::collection<int>  numbers; 
	kln::dictionary<string>  t; 
	kln::dictionary<kln::ref<class Item> >  byname; 

static void __stdcall Use(kln::array<int> & arr, kln::collection<int> & nums, kln::dictionary<string> & dict)
{
	int i = 1, j = 2, n; variant v; string k; double x = 2; bool b;
	kln::ref<class Item> obj = kln::ref<class Item>(new (class Item));
	a(i) = (kln::conv((int*)0, 5 ));
	m(i, j) = (kln::conv((double*)0, a(3) ));
	grid(1, 2, 3, 4) = (kln::conv((variant*)0, m(1, j) ));
	v = (kln::conv((variant*)0, grid(v, x, 1, 0) ));
	n = (kln::conv((int*)0, kln::ubound(a()) ));
	n = (kln::conv((int*)0, kln::lbound(m(), 2) + kln::ubound(m(), 2) ));
	n = (kln::conv((int*)0, kln::lbound(arr()) ));
	c.add(kln::conv((kln::ref<class Item> *)0, obj));
	c.add(kln::conv((kln::ref<class Item> *)0, obj), kln::conv((int*)0, 0));
	numbers.add(kln::conv((int*)0, v), kln::conv((int*)0, 2));
	nums.add(kln::conv((int*)0, 7));
	obj->items.add(kln::conv((variant*)0, x));
	c.remove(kln::conv((int*)0, 0));
	c.removeitem(kln::conv((kln::ref<class Item> *)0, obj));
	numbers.removeitem(kln::conv((int*)0, 3));
	n = (kln::conv((int*)0, c.length() + 1 ));
	c.clear();
	t(k) = (kln::conv((string*)0, string("value") ));
	dict(string("key")) = (kln::conv((string*)0, t(k) ));
	byname(v) = (kln::conv((kln::ref<class Item> *)0, obj ));
	b = (kln::conv((bool*)0, t.contains(kln::conv((kln::string*)0, k)) ));
	t.remove(kln::conv((kln::string*)0, k));
	t.removeitem(kln::conv((string*)0, string("value")));
	n = (kln::conv((int*)0, t.length() ));
	t.clear();
	v = (kln::conv((variant*)0, c(1)->items(0) ));
	k = (kln::conv((string*)0, d(i) ));
	Use(a, numbers, t);
}

}
}
