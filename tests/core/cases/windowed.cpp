// A windowed program's fatal report: the "Error" box, then exit code 1.
namespace kln
{
namespace Boxed
{
	string scenario;
	int* volatile nowhere = 0;

	// A binding whose library is never loaded: a call of address 0.
	int __stdcall Missing(int x)
	{
		static void* dll = kln::getlibhandle(kln::string("nosuchlibrary"));
		static union { void* ptr; int (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("Missing"));
		return func(x);
	}

static int __stdcall Recurse(int depth)
{
	volatile char pad[512];
	pad[0] = (char)depth;
	return Recurse(depth + 1) + pad[0];
}

extern "C" void Main()
{
	print << string("main\r\n");
	if (scenario == string("av")) *nowhere = 1;
	if (scenario == string("raw")) throw string((const char*)0);
	if (scenario == string("stack")) Recurse(0);
	if (scenario == string("missing")) Missing(0);
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
