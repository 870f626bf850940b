// Faults inside a window procedure, reached through SendMessageA and
// DispatchMessageA, unwind (destructors included) to a catch in that
// procedure, as the library's window procedures rely on.
extern "C" {
struct KWndClass { unsigned style; void* proc; int cls, wnd; void* instance, *icon, *cursor, *brush; const char* menu, *name; };
struct KMsg { void* hwnd; unsigned message; unsigned wParam; long lParam; unsigned time; long x, y; };
__declspec(dllimport) unsigned short __stdcall RegisterClassA(const KWndClass*);
__declspec(dllimport) void* __stdcall CreateWindowExA(unsigned, const char*, const char*, unsigned, int, int, int, int, void*, void*, void*, void*);
__declspec(dllimport) long __stdcall SendMessageA(void*, unsigned, unsigned, long);
__declspec(dllimport) int __stdcall PostMessageA(void*, unsigned, unsigned, long);
__declspec(dllimport) int __stdcall GetMessageA(KMsg*, void*, unsigned, unsigned);
__declspec(dllimport) long __stdcall DispatchMessageA(const KMsg*);
__declspec(dllimport) long __stdcall DefWindowProcA(void*, unsigned, unsigned, long);
__declspec(dllimport) int __stdcall DestroyWindow(void*);
}

namespace kln
{
namespace Procs
{
	volatile int zero = 0;
	int* volatile nowhere = 0;

struct Witness
{
	const char* name;
	~Witness() { print << string("destroyed ") << string(name) << string("\r\n"); }
};

static int __stdcall Divide(int a, int b)
{
	Witness w = { "in Divide" };
	return a / b;
}

static long __stdcall WindowProc(void* h, unsigned message, unsigned wParam, long lParam)
{
	if (message != 0x400 && message != 0x401) return DefWindowProcA(h, message, wParam, lParam);
	try
	{
		Witness w = { message == 0x400 ? "in the sent message" : "in the dispatched message" };
		if (message == 0x400) print << Divide(1, zero);
		else *nowhere = 1;
	}
	catch (const kln::string& e)
	{
		print << string("window procedure caught ") << e << string("\r\n");
	}
	return 7;
}

extern "C" void Main()
{
	KWndClass wc = { 0, (void*)&WindowProc, 0, 0, 0, 0, 0, 0, 0, "KilnCoreTest" };
	RegisterClassA(&wc);
	void* window = CreateWindowExA(0, "KilnCoreTest", "test", 0, 0, 0, 10, 10, (void*)-3, 0, 0, 0);
	print << string("window ") << (window != 0) << string("\r\n");
	long sent = SendMessageA(window, 0x400, 0, 0);
	print << string("sent message returns ") << sent << string("\r\n");
	PostMessageA(window, 0x401, 0, 0);
	KMsg msg;
	if (GetMessageA(&msg, 0, 0, 0) > 0) {
		long dispatched = DispatchMessageA(&msg);
		print << string("dispatched message returns ") << dispatched << string("\r\n");
	}
	DestroyWindow(window);
	int quotient = Divide(6, 3);
	print << string("guard still works: ") << quotient << string("\r\n");
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
	Procs::initialization __init_Procs;
	Procs::finalization __final_Procs;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
