// Generated shape: IF, WHILE, DO, FOR and FOR EACH.
#include "core.h"

namespace kln
{
namespace Loops
{

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Loops.Item"; }
};

static void __stdcall Control(variant a, bool b, int n, double x)
{
	kln::collection<int>  c; kln::dictionary<int>  d; kln::collection<kln::ref<class Item> >  items;
	kln::collection<variant>  vs; kln::dictionary<string>  names; kln::collection<string>  texts;
	if ( a )
	{
	}
	else if ( b ) 
	{
	}
	else
	{
	}
	if ( n ) { n = 1; }
	if ( x ) { }
	if ( a == 1 && b ) { }
	do
	{
		break;
	} while ( true );
	do
	{
	} while ( ( a ) );
	do
	{
	} while ( !( a ) );
	while ( ( a ) )
	{
	}
	while ( !( x ) )
	{
	}
	while ( a < 10 )
	{
		a++;
	}
	// for
	{
		float i = 1;
		float __limit = n;
		while ( i >= __limit )
		{
			i += -2;
		}
	}
	// for
	{
		int k = 1;
		double __limit = a;
		while ( k <= __limit )
		{
			k += +2;
		}
	}
	// for
	{
		a = 1;
		double __limit = 10;
		while ( a <= __limit )
		{
			a += 1;
		}
	}
	// for
	{
		variant v = 0.5;
		double __limit = x;
		while ( v >= __limit )
		{
			v += -0.25;
		}
	}
	// for-each
	{
		int v; 
		kln::iterator* __iter = c.iterate();
		while (__iter->next(kln::ptr(v)))
		{
			if ( v ) { break; }
		}
		delete __iter;
	}
	// for-each
	{
		string k; int v; 
		kln::iterator* __iter = d.iterate();
		while (__iter->next(k, kln::ptr(v)))
		{
		}
		delete __iter;
	}
	// for-each
	{
		kln::ref<class Item> it; 
		kln::iterator* __iter = items.iterate();
		while (__iter->next(kln::ptr(it)))
		{
		}
		delete __iter;
	}
	// for-each
	{
		kln::ref<class object> it; 
		kln::iterator* __iter = items.iterate();
		while (__iter->next(kln::ptr(it)))
		{
		}
		delete __iter;
	}
	// for-each
	{
		variant v; string s; 
		kln::iterator* __iter = vs.iterate();
		while (__iter->next(kln::ptr(v)))
		{
		}
		delete __iter;
		__iter = names.iterate();
		while (__iter->next(s, kln::ptr(s)))
		{
		}
		delete __iter;
		__iter = texts.iterate();
		while (__iter->next(kln::ptr(v)))
		{
		}
		delete __iter;
	}
}

}
}
