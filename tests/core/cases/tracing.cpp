// Procedure tracing: the trace stack written after a fatal report, kept
// right across TRY blocks and deep recursion.
namespace kln
{
namespace Traced
{
	string scenario;

static void __stdcall Fail(int n)
{
	kln::dbg_func("Traced.Fail");
	kln::dbg_line(5); if ( n > 0 ) { throw string("failed on purpose"); }
	kln::dbg_endfunc();
	return;
}

static int __stdcall Deep(int n)
{
	kln::dbg_func("Traced.Deep");
	int result;
	kln::dbg_line(11); result = (kln::conv((int*)0, Deep(kln::conv((int*)0, n + 1)) + 1 ));
	kln::dbg_endfunc();
	return result;
}

static void __stdcall Caught()
{
	kln::dbg_func("Traced.Caught");
	kln::dbg_line(20); { int __unwind_pos = kln::dbg_savefunc();
	try
	{
		kln::dbg_line(21); Fail(kln::conv((int*)0, 1));
	}
	catch (string e)
	{
		kln::dbg_unwind(__unwind_pos);
		kln::dbg_line(23); print << string("caught ") << e << string("\r\n"); 
	}
	}
	kln::dbg_line(25); Fail(kln::conv((int*)0, scenario == string("error")));
	kln::dbg_endfunc();
	return;
}

extern "C" void Main()
{
	kln::dbg_func("Traced.Main");
	kln::dbg_line(30); Caught();
	kln::dbg_line(31); if ( scenario == string("overflow") ) { Deep(kln::conv((int*)0, 0)); }
	kln::dbg_line(32); print << string("done\r\n"); 
	kln::dbg_endfunc();
	return;
}

struct initialization { initialization(); };
initialization::initialization()
{
	kln::dbg_func("Traced.INITIALIZATION");
	// DLL loader
	{
	}
	kln::dbg_line(40); input.line(scenario);
	kln::dbg_endfunc();
}
struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }

struct __init_and_final
{
	Traced::initialization __init_Traced;
	Traced::finalization __final_Traced;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
