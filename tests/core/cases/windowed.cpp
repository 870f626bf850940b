// A windowed program's fatal report: the "Error" box, then exit code 1.
namespace kln
{
namespace Boxed
{
	string scenario;
	int* volatile nowhere = 0;

extern "C" void Main()
{
	print << string("main\r\n");
	if (scenario == string("av")) *nowhere = 1;
	if (scenario == string("raw")) throw string((const char*)0);
	if (scenario == string("end")) throw kln::end();
	throw string("windowed failure");
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	input.line(scenario);
}
struct finalization { ~finalization(); };
finalization::~finalization()
{
	/* DLL unloader */ { kln::unloadlibs(); }
	print << string("final\r\n");
}

struct __init_and_final
{
	Boxed::initialization __init_Boxed;
	Boxed::finalization __final_Boxed;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
