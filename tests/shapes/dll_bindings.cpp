// Generated shape: DECLARE ... LIB bindings and their loader.
#include "core.h"

namespace kln
{
namespace Api
{
	int __stdcall SendMessageA(int h, int m, int w, int l)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; int (__stdcall *func)(int, int, int, int); }; ptr = kln::getprocaddr(dll, kln::string("SendMessageA"));
		return func(h, m, w, l);
	}
	static void __stdcall Sleep(int ms)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; void (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("Sleep"));
		if (!ptr) kln::__missing_entry(dll, kln::string("kernel32"), kln::string("Sleep"));
		func(ms);
	}
	int __stdcall MessageBox(int owner, string text, apistring caption, int style)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; int (__stdcall *func)(int, void*, void*, int); }; ptr = kln::getprocaddr(dll, "MessageBoxA");
		if (!ptr) kln::__missing_entry(dll, kln::string("user32"), "MessageBoxA");
		return func(owner, &text, &caption, style);
	}
	unsigned long __stdcall GetTempPathA(unsigned long size, string& buffer, int& written)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; unsigned long (__stdcall *func)(unsigned long, void*, void*); }; ptr = kln::getprocaddr(dll, kln::string("GetTempPathA"));
		return func(size, &buffer, &written);
	}
	void F(int x)
	{
		static void* dll = kln::getlibhandle(kln::string("x"));
		static union { void* ptr; void (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("F"));
		func(x);
	}

static void __stdcall Use()
{
	string buffer; int written;
	buffer.alloc(260);
	GetTempPathA(kln::conv((unsigned long*)0, 260), buffer, written);
	MessageBox(kln::conv((int*)0, 0), kln::conv((string*)0, string("text")), kln::conv((apistring*)0, string("caption")), kln::conv((int*)0, 0));
	MessageBox(0, (char*)kln::conv((int*)0, 0), (char*)kln::conv((int*)0, 0), 0);
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	kln::loadlib(kln::string("user32"));
	kln::loadlib(kln::string("kernel32"));
	kln::loadlib(kln::string("x"));
	
}

struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }

}
}
