// Generated shape: the statement dispatcher's own statements (END, EXIT,
// GOTO and labels, SWAP, INCR and DECR, verbatim C++) in a debug build.
#define __KLN_DEBUG
#include "core.h"

namespace kln
{
namespace Stmts
{

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Stmts.Item"; }
};

struct Point
{
	int x;
	int y;
};

int __stdcall Run(int n)
{
	kln::dbg_func("Stmts.Run");
	int result;
	kln::dbg_line(3); int i; double d; string a, b; variant v, w; apistring p, q; kln::ref<class Item> o, o2; Point r, s; unsigned char by, by2; kln::flstring<4> f, g;
	kln::dbg_line(4); kln::swap(i, n);
	kln::dbg_line(5); kln::swap(a, b);
	kln::dbg_line(6); kln::swap(v, w);
	kln::swap(p, q);
	kln::swap(o, o2);
	kln::swap(r, s);
	kln::swap(by, by2);
	kln::swap(f, g);
	kln::dbg_line(7); i++;
	kln::dbg_line(8); i -= 2;
	v++;
	v--;
	v += 2;
	v -= (kln::conv((variant*)0, i ));
	d += 1 + v;
	kln::dbg_line(9); __label_again:;
	kln::dbg_line(10); if ( i < 10 ) { goto __label_again; }
	kln::dbg_line(11); if ( v ) { kln::dbg_endfunc();
	return result; }
	kln::dbg_line(12); throw kln::end();
	kln::dbg_line(13); 
	i = i * 2;

	kln::dbg_endfunc();
	return result;
}

extern "C" void Main()
{
	kln::dbg_func("Stmts.Main");
	kln::dbg_line(20); Run(kln::conv((int*)0, 1));
	kln::dbg_line(21); throw kln::end();
	kln::dbg_endfunc();
	return;
}

}
}
