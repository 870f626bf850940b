// Generated shape: operators written between operands in source order, for
// every pairing of numbers, string, apistring and variant; literals,
// NEW, SIZEOF and ADDRESSOF.
#include "core.h"

namespace kln
{
namespace Expr
{

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Expr.Item"; }
};

static void __stdcall Handler(int a, int b)
{
}

static void __stdcall Operators()
{
	int i = 0; short sh = 0; unsigned char by = 0; unsigned short w = 0; unsigned long dw = 0;
	float f = 0; double d = 0; long double dec = 0; bool b = false;
	string s; apistring a; variant v; variant x;
	kln::flstring<8> fl;
	bool r;
	variant t;

	// numbers, texts and variants on either side
	t = (kln::conv((variant*)0, v + 1 ));
	t = (kln::conv((variant*)0, 1 + v ));
	t = (kln::conv((variant*)0, v + s ));
	t = (kln::conv((variant*)0, s + v ));
	t = (kln::conv((variant*)0, s + 1 ));
	t = (kln::conv((variant*)0, 1.5 + s ));
	t = (kln::conv((variant*)0, a + v ));
	t = (kln::conv((variant*)0, v + a ));
	t = (kln::conv((variant*)0, a + 2 ));
	t = (kln::conv((variant*)0, v + x ));
	s = (kln::conv((string*)0, s + s ));
	s = (kln::conv((string*)0, s + a ));
	s = (kln::conv((string*)0, a + s ));
	s = (kln::conv((string*)0, a + a ));
	s = (kln::conv((string*)0, s + string("literal") ));
	s = (kln::conv((string*)0, string("a") + string("b") + string("c") ));
	s = (kln::conv((string*)0, fl + s ));
	t = (kln::conv((variant*)0, v - 1 ));
	t = (kln::conv((variant*)0, 2 * v ));
	t = (kln::conv((variant*)0, v / x ));
	t = (kln::conv((variant*)0, s - 1 ));
	t = (kln::conv((variant*)0, s * a ));
	t = (kln::conv((variant*)0, d / s ));
	t = (kln::conv((variant*)0, v % 2 ));
	t = (kln::conv((variant*)0, v ^ i ));
	t = (kln::conv((variant*)0, s & 1 ));
	t = (kln::conv((variant*)0, a | v ));
	i = (kln::conv((int*)0, i % 2 + i ^ 3 & 4 | 5 ));
	t = (kln::conv((variant*)0, 4294967295 + v ));
	t = (kln::conv((variant*)0, v + 4294967295 ));
	t = (kln::conv((variant*)0, v * sh + by - w / dw + f * dec ));
	r = v > 1 && v < 2 || v >= 3 && v <= 4 || v != 5 && v == 6;
	r = 1 > v && 2 < v || 3 >= v && 4 <= v || 5 != v && 6 == v;
	r = s > s || s < a || a >= s || a <= a || s != v || v == s;
	r = s == string("x") || string("x") != s || s == 1 || 1 == s || a == 1.5;
	r = v == x || v != x || v < x || v <= x || v > x || v >= x;
	r = fl == s || s == fl || fl == v;
	r = s && v || a && b || v && s || 1 && s;
	r = v && b || v || b && i;
	r = !v == b;
	r = !s;
	r = !a;
	r = v == b;
	t = (kln::conv((variant*)0, -v ));
	t = (kln::conv((variant*)0, +v ));
	t = (kln::conv((variant*)0, ~v ));
	t = (kln::conv((variant*)0, -s ));
	t = (kln::conv((variant*)0, ~a ));
	i = (kln::conv((int*)0, -i + ~i ));
	r = v == b && v == i;

	// references compare by identity
	kln::ref<class Item> o = kln::ref<class Item>(new (class Item));
	kln::ref<class Item> p;
	kln::ref<class object> q = o;
	r = o == p || o != p || q == o || o != q;

	// parenthesised, literal, NEW, SIZEOF, ADDRESSOF
	t = (kln::conv((variant*)0, ( v + 1 ) * 2 ));
	s = (kln::conv((string*)0, string("\"quoted\"") ));
	p = (kln::conv((kln::ref<class Item> *)0, kln::ref<class Item>(new (class Item)) ));
	i = (kln::conv((int*)0, sizeof(int) + sizeof(kln::ref<class Item>) + sizeof( v ) ));
	dw = (kln::conv((unsigned long*)0, ((unsigned long)Expr::Handler) ));
	i = (kln::conv((int*)0, ((unsigned long)Expr::Handler) ));
	t = (kln::conv((variant*)0, ((unsigned long)Expr::Handler) ));

	// -c: plain C++ conversions
	i = (v );
	d = (v + 1 );
	s = (v );
	v = (s );
	v = (1 );
	a = (s );
	s = (a );
	a = (v );
	fl = (s );
	fl = (v );
	fl = (a );
	s = (fl );
	v = (fl );
	i += (v );
	v += (1 );
	v -= (s );
	v *= (a );
	v /= (2 );
	s += (s );
	s += (v );
	s += (1 );
}

}
}
