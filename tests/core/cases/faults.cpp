// The error path: one scenario per run, named on standard input. Faults,
// thrown errors, END, and errors in the initialisation and finalisation.
namespace kln
{
namespace Faults
{
	string scenario;
	int* volatile nowhere = 0;
	volatile int zero = 0;
	volatile double dzero = 0;

	// Bindings whose library is never loaded, and a fault inside a system DLL.
	int __stdcall Missing(int x)
	{
		static void* dll = kln::getlibhandle(kln::string("nosuchlibrary"));
		static union { void* ptr; int (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("Missing"));
		return func(x);
	}
	int __stdcall lstrcpyA(int to, int from)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; int (__stdcall *func)(int, int); }; ptr = kln::getprocaddr(dll, kln::string("RtlMoveMemory"));
		return func(to, from);
	}

struct Witness
{
	const char* name;
	~Witness() { print << string("destroyed ") << string(name) << string("\r\n"); }
};

// Destroyed at exit, that is during the console report's exit(1).
struct SecondReport
{
	~SecondReport() { if (scenario == string("second")) kln::__fatal(string("second report")); }
} second_report;

static int __stdcall Divide(int a, int b)
{
	Witness w = { "inside Divide" };
	return a / b;
}

static int __stdcall Recurse(int depth)
{
	volatile char pad[512];
	pad[0] = (char)depth;
	return Recurse(depth + 1) + pad[0];
}

static void __stdcall SetFpuControl(unsigned short word)
{
	asm volatile("fldcw %0" : : "m"(word));
}

extern "C" void Main()
{
	print << string("main ") << scenario << string("\r\n");
	if (scenario == string("throw") || scenario == string("second")) throw string("boom");
	if (scenario == string("raw")) throw string((const char*)0);
	if (scenario == string("end")) throw kln::end();
	if (scenario == string("number")) throw 5;
	if (scenario == string("div")) print << Divide(1, zero);
	if (scenario == string("av")) *nowhere = 1;
	if (scenario == string("read")) print << *nowhere;
	if (scenario == string("stack")) Recurse(0);
	if (scenario == string("missing")) Missing(1);
	if (scenario == string("system")) lstrcpyA(0, 0x100);
	if (scenario == string("ud2")) asm volatile("ud2");
	if (scenario == string("fdiv")) { SetFpuControl(0x037F & ~0x04); print << 1.0 / dzero; }
	if (scenario == string("finvalid")) { SetFpuControl(0x037F & ~0x01); print << dzero / dzero; }
	if (scenario == string("caught")) {
		try
		{
			Witness w = { "in try" };
			print << Divide(7, zero);
		}
		catch (string e)
		{
			print << string("caught ") << e << string("\r\n");
		}
		try
		{
			Witness w = { "in second try" };
			*nowhere = 2;
		}
		catch (string e)
		{
			print << string("caught ") << e << string("\r\n");
		}
		try
		{
			print << *nowhere;
		}
		catch (kln::end&) { throw; }
		catch (...)
		{
			print << string("caught by catch-all\r\n");
		}
		int quotient = Divide(8, 2);
		print << string("after ") << quotient << string("\r\n");
	}
	print << string("main ends\r\n");
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	kln::loadlib(kln::string("kernel32"));
	input.line(scenario);
	print << string("init\r\n");
	if (scenario == string("init")) throw string("error in initialization");
}
struct finalization { ~finalization(); };
finalization::~finalization()
{
	/* DLL unloader */ { kln::unloadlibs(); }
	print << string("final\r\n");
	if (scenario == string("final")) throw string("error in finalization");
	if (scenario == string("endfinal")) throw kln::end();
}

}
namespace Later
{
// A module initialised after Faults: its error unwinds Faults' finalization.
struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	if (Faults::scenario == string("later")) throw string("error in a later module");
}
struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }
}
namespace Faults
{

struct __init_and_final
{
	Faults::initialization __init_Faults;
	Faults::finalization __final_Faults;
	Later::initialization __init_Later;
	Later::finalization __final_Later;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
