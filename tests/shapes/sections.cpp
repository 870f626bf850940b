// Generated shape: INITIALIZATION and FINALIZATION sections with their DLL
// loader and unloader, traced.
#define __KLN_DEBUG
#include "core.h"

namespace kln
{
namespace Lib
{
	static void __stdcall Beep(int t)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; void (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("MessageBeep"));
		func(t);
	}

struct initialization { initialization(); };
initialization::initialization()
{
	kln::dbg_func("Lib.INITIALIZATION");
	// DLL loader
	{
		kln::loadlib(kln::string("user32"));
		kln::loadlib(kln::string("kernel32"));
		
	}
	kln::dbg_line(9); Beep(kln::conv((int*)0, 0));
	kln::dbg_endfunc();
}

struct finalization { ~finalization(); };
finalization::~finalization()
{
	kln::dbg_func("Lib.FINALIZATION");
	kln::dbg_line(14); Beep(kln::conv((int*)0, 0));
	/* DLL unloader */ { kln::unloadlibs(); }
	kln::dbg_endfunc();
}

}
}
