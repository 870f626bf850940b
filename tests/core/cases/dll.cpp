// DLL binding of kernel32 and user32 functions through generated stubs.
namespace kln
{
namespace Api
{
	int __stdcall lstrlenA(string s)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; int (__stdcall *func)(void*); }; ptr = kln::getprocaddr(dll, kln::string("lstrlenA"));
		return func(&s);
	}
	int __stdcall ApiLength(apistring s)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; int (__stdcall *func)(void*); }; ptr = kln::getprocaddr(dll, "lstrlenA");
		return func(&s);
	}
	int __stdcall GetComputerNameA(string& buffer, int& size)
	{
		static void* dll = kln::getlibhandle(kln::string("kernel32"));
		static union { void* ptr; int (__stdcall *func)(void*, void*); }; ptr = kln::getprocaddr(dll, kln::string("GetComputerNameA"));
		return func(&buffer, &size);
	}
	int __stdcall GetSystemMetrics(int index)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; int (__stdcall *func)(int); }; ptr = kln::getprocaddr(dll, kln::string("GetSystemMetrics"));
		return func(index);
	}
	int __stdcall CharUpperBuffA(string& text, unsigned long length)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; int (__stdcall *func)(void*, unsigned long); }; ptr = kln::getprocaddr(dll, kln::string("CharUpperBuffA"));
		return func(&text, length);
	}
	int __stdcall VersionInfoSize(string file, int& handle)
	{
		static void* dll = kln::getlibhandle(kln::string("version"));
		static union { void* ptr; int (__stdcall *func)(void*, void*); }; ptr = kln::getprocaddr(dll, kln::string("GetFileVersionInfoSizeA"));
		return func(&file, &handle);
	}

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

// What a stub reports when it finds no entry point.
static void MissingEntry(void* library, const string& library_name, const string& entry)
{
	try
	{
		kln::__missing_entry(library, library_name, entry);
	}
	catch (const string& e)
	{
		Line("missing entry", e);
	}
}

extern "C" void Main()
{
	Line("lstrlenA", lstrlenA(kln::conv((string*)0, string("kernel32"))));
	Line("lstrlenA of a raw string", lstrlenA((char*)kln::conv((int*)0, 0)));
	Line("apistring argument", ApiLength(kln::conv((apistring*)0, string("four"))));
	string name; int size = 256;
	name.alloc(256);
	Line("by-reference arguments", GetComputerNameA(name, size) != 0 && size > 0 && lstrlenA(name) == size);
	Line("user32", GetSystemMetrics(kln::conv((int*)0, 0)) > 0);
	string word("upper");
	CharUpperBuffA(word, word.length());
	Line("text changed in place", word);

	// mpr is loaded six times, so the list of loaded libraries grows past
	// its first room, and released as often: it leaves the process.
	int handle = 0;
	Line("version binding", VersionInfoSize(kln::conv((string*)0, string("C:\\windows\\system32\\kernel32.dll")), handle) > 0);
	Line("mpr loaded", kln::getlibhandle(kln::string("mpr")) != 0);
	kln::unloadlibs();
	Line("unloadlibs only asks", kln::getlibhandle(kln::string("mpr")) != 0);
	kln::__release_libs();
	Line("released", kln::getlibhandle(kln::string("mpr")) == 0);

	void* kernel = kln::getlibhandle(kln::string("kernel32"));
	Line("ordinal look-up", kln::getprocaddr(kernel, kln::string((const char*)1)) != 0);
	Line("missing ordinal", kln::getprocaddr(kernel, kln::string((const char*)65535)) == 0);
	Line("missing name", kln::getprocaddr(kernel, kln::string("NoSuchFunction")) == 0);
	Line("null handle", kln::getprocaddr(0, kln::string("lstrlenA")) == 0);
	Line("library not loaded", kln::getlibhandle(kln::string("nosuchlibrary")) == 0);
	MissingEntry(0, kln::string("nosuchlibrary"), kln::string("F"));
	MissingEntry(kernel, kln::string("kernel32"), kln::string("NoSuchFunction"));
	MissingEntry(kernel, kln::string("kernel32"), kln::string((const char*)65535));
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	kln::loadlib(kln::string("kernel32"));
	kln::loadlib(kln::string("user32"));
	kln::loadlib(kln::string("nosuchlibrary"));
	kln::loadlib(kln::string("version"));
	for (int i = 0; i < 6; ++i) kln::loadlib(kln::string("mpr"));
	
}
struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }

struct __init_and_final
{
	Api::initialization __init_Api;
	Api::finalization __final_Api;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
