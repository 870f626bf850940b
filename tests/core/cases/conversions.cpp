// conv((T*)0, x) between the Kiln value types, and fixed-length strings.
namespace kln
{
namespace Conv
{

struct Record
{
	int id;
	kln::flstring<4>  code;
	char after;
};

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

extern "C" void Main()
{
	// Numbers: truncation toward zero, 32-bit wrap for integer targets.
	Line("2.9 to LONG", kln::conv((int*)0, 2.9));
	Line("-2.9 to LONG", kln::conv((int*)0, -2.9));
	Line("-1 to DWORD", kln::conv((unsigned long*)0, -1));
	Line("4294967295 to LONG", kln::conv((int*)0, 4294967295));
	Line("2147483648 to LONG", kln::conv((int*)0, 2147483648));
	Line("4294967296.5 to DWORD", kln::conv((unsigned long*)0, 4294967296.5));
	Line("1e20 to LONG", kln::conv((int*)0, 1e20));
	Line("-1e20 to DWORD", kln::conv((unsigned long*)0, -1e20));
	Line("300 to BYTE", kln::conv((unsigned char*)0, 300));
	Line("-1 to WORD", kln::conv((unsigned short*)0, -1));
	Line("70000 to SHORT", kln::conv((short*)0, 70000));
	Line("1.5 to SINGLE", kln::conv((float*)0, 1.5));
	Line("0.1 to DOUBLE", kln::conv((double*)0, 0.1f) > 0.1);
	Line("2 to BOOLEAN", kln::conv((bool*)0, 2));
	Line("0.0 to BOOLEAN", kln::conv((bool*)0, 0.0));
	Line("true to LONG", kln::conv((int*)0, true));

	// Texts and numbers.
	Line("text 12.7 to LONG", kln::conv((int*)0, string("12.7")));
	Line("text abc to DOUBLE", kln::conv((double*)0, string("abc")));
	Line("text -3 to DWORD", kln::conv((unsigned long*)0, string("-3")));
	Line("text 1 to BOOLEAN", kln::conv((bool*)0, string("1")));
	Line("text yes to BOOLEAN", kln::conv((bool*)0, string("yes")));
	Line("2.5 to STRING", kln::conv((string*)0, 2.5));
	Line("1e21 to STRING", kln::conv((string*)0, 1e21));
	Line("true to STRING", kln::conv((string*)0, true));
	Line("variant text to LONG", kln::conv((int*)0, variant(string("41"))));
	Line("variant number to STRING", kln::conv((string*)0, variant(0.5)));
	variant v = kln::conv((variant*)0, string("7"));
	Line("STRING to VARIANT", v + 1);
	variant n = (kln::conv((variant*)0, 5 ));
	Line("number to VARIANT", n + 1);
	apistring a = kln::conv((apistring*)0, 3.25);
	Line("number to APISTRING", string(a));
	string s = kln::conv((string*)0, a);
	Line("APISTRING to STRING", s);
	Line("APISTRING to LONG", kln::conv((int*)0, apistring("99")));

	// ANY: numbers become addresses, texts their pointer.
	Line("number to ANY", (int)(std::size_t)kln::conv((void**)0, 4096));
	Line("text to ANY", kln::conv((void**)0, s) == (void*)s.text());
	Line("(char*) of a number", (int)(std::size_t)(char*)kln::conv((int*)0, 65536.7));

	// Fixed-length strings: a store truncates and zero-pads.
	Record r;
	r.after = 'z';
	Line("record size", (int)sizeof(Record) * 10 + (int)alignof(kln::flstring<4>));
	Line("default is empty", string(r.code).length() == 0 && r.code.data[0] == 0 && r.code.data[3] == 0);
	r.code = string("abcdef");
	Line("truncated", string(r.code) + string(" ") + (int)r.code.data[3] + string(" ") + string(&r.after, 1));
	r.code = string("x");
	Line("zero-padded", string(r.code) + string(" ") + (r.code.data[1] == 0 && r.code.data[3] == 0));
	r.code = variant(42);
	Line("from a variant", string(r.code));
	r.code = apistring("api");
	Line("from an apistring", string(r.code));
	kln::flstring<2> shorter;
	shorter = r.code;
	Line("to a shorter field", string(shorter));
	r.code = kln::conv((kln::flstring<4> *)0, 12345);
	Line("conv to a field", string(r.code));
	Line("field to LONG", kln::conv((int*)0, r.code));
	Line("field in text ops", r.code + string("!") + (r.code == string("1234")));
	print << string("print: ") << r.code << string("\r\n");
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
	Conv::initialization __init_Conv;
	Conv::finalization __final_Conv;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
