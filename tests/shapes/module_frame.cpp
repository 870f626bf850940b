// Generated shape: the frame of a program module with the System block,
// its default sections and the program-wide initialisation block.
#define __KLN_DEBUG
#include "core.h"

namespace kln
{
namespace Hello
{

}
namespace System
{
	const int X = 5;
	const double Ratio = 2.5;
	const string Name = "System";
}
namespace Hello
{

	// DIM greeting AS STRING
	string greeting;

extern "C" void Main()
{
	kln::dbg_func("Hello.Main");
	kln::dbg_line(3);
	print << string("Hello, world") << string("\r\n");
	kln::dbg_endfunc();
	return;
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	
}

struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }


struct __init_and_final
{
	Hello::initialization __init_Hello;
	Hello::finalization __final_Hello;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }


}
}
