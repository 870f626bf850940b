// Generated shape: TRY/CATCH (with and without tracing), THROW, RAISE and
// SELECT CASE.
#define __KLN_DEBUG
#include "core.h"

namespace kln
{
namespace Exc
{

class Button: public object
{
public: Button(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Button) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Exc.Button"; }
	event Clicked;
	virtual void Click();
};

void Button::Click()
{
	kln::dbg_func("Exc.Button.Click");
	kln::ref<class Button> me(this, true);
	kln::dbg_line(4); Clicked.raise(me);
	kln::dbg_endfunc();
	return;
}

static void __stdcall Handle(variant x, string s)
{
	kln::dbg_func("Exc.Handle");
	kln::dbg_line(10); { int __unwind_pos = kln::dbg_savefunc();
	try
	{
		kln::dbg_line(11); throw s;
	}
	catch (string e)
	{
		kln::dbg_unwind(__unwind_pos);
		kln::dbg_line(13); throw e;
	}
	catch (variant e)
	{
		kln::dbg_unwind(__unwind_pos);
	}
	catch (int e)
	{
		kln::dbg_unwind(__unwind_pos);
	}
	catch (double e)
	{
		kln::dbg_unwind(__unwind_pos);
	}
	catch (kln::end&) { throw; }
	catch (...)
	{
		kln::dbg_unwind(__unwind_pos);
	}
	}
	kln::dbg_line(20); { int __unwind_pos = kln::dbg_savefunc();
	try
	{
		kln::dbg_line(21); throw x;
	}
	catch (kln::end&) { throw; }
	catch (...) { kln::dbg_unwind(__unwind_pos); }
	}
	kln::dbg_line(30); {
		variant is = x;
		if (false);
		else if ((1 == is) || (3 <= is && is <= 5))
		{
		}
		else if ((string("a") == is) || (string("b") <= is && is <= string("c")))
		{
			{
				variant is = s;
				if (false);
				else if ((x == is))
				{
				}
			}
		}
		else if ((4294967295 == is) || (1.5 == is) || (s == is))
		{
		}
		else
		{
		}
	}
	kln::dbg_endfunc();
	return;
}

// Without tracing.
static void __stdcall Plain(variant x)
{
	try
	{
		throw kln::string("message");
	}
	catch (string e)
	{
	}
	catch (kln::end&) { throw; }
	catch (...)
	{
	}
	try
	{
	}
	catch (kln::end&) { throw; }
	catch (...) { }
}

}
}
