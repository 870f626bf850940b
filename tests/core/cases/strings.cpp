// Strings and API strings: handles, counts, concatenation, comparison,
// embedded zero bytes, raw values and the errors of a failed allocation.
namespace kln
{
namespace Strings
{
	void* __stdcall LoadCursorA(int instance, string name)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; void* (__stdcall *func)(int, void*); }; ptr = kln::getprocaddr(dll, kln::string("LoadCursorA"));
		return func(instance, &name);
	}

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

extern "C" void Main()
{
	Line("sizes", variant(sizeof(string) * 1000 + sizeof(apistring) * 100 + sizeof(kln::ref<object>) * 10 + sizeof(kln::flstring<3>)));

	string e1, e2;
	Line("empty length", e1.length());
	Line("empty text is NUL", e1.text() != 0 && e1.text()[0] == 0);
	Line("empties equal", e1 == e2);

	string null_text((const char*)0);
	Line("null is raw", null_text.is_raw() && null_text.handle() == 0);
	Line("null length", null_text.length());
	Line("null text pointer", (void*)null_text.text() == 0);
	Line("null equals empty", null_text == e1);
	Line("null equals itself", null_text == null_text);

	string cursor((const char*)32512);  // a resource number, handed on unchanged
	Line("raw keeps value", (int)(std::size_t)cursor.handle());
	Line("raw reaches the platform", LoadCursorA(0, cursor) != 0);

	string ab("ab"), c("c");
	string abc = ab + c;
	Line("concat", abc);
	Line("concat length", abc.length());
	Line("concat count", abc.refcount());
	Line("operand counts", ab.refcount() * 10 + c.refcount());
	string share = ab;
	Line("copy shares", ab.refcount());
	{ string more = share; Line("two copies", ab.refcount()); }
	Line("copy released", ab.refcount());

	// A raw operand counts as the empty text.
	string left = abc + null_text, right = null_text + abc;
	Line("text + raw", left);
	Line("raw + text", right);
	Line("fresh blocks", left.handle() != abc.handle() && right.handle() != abc.handle() && left.refcount() == 1);
	Line("raw + raw is empty", (null_text + null_text).length() == 0 && !(null_text + null_text).is_raw());

	Line("compare ab abc", string::compare(string("ab"), string("abc")));
	Line("compare abd abc", string::compare(string("abd"), string("abc")) > 0);
	Line("compare equal", string("abc").compare(string("abc")));
	Line("compare raw", string::compare(null_text, null_text));
	Line("ordering", (string("a") < string("b")) * 1000 + (string("b") <= string("b")) * 100 + (string("c") > string("b")) * 10 + (string("a") >= string("b")));
	Line("inequality", string("a") != string("b"));

	// Embedded zero bytes keep the full length.
	string z;
	z.alloc(3);
	z.text()[0] = 'a'; z.text()[1] = 0; z.text()[2] = 'b';
	string z2 = z;
	string zz = z + z;
	Line("embedded length", z2.length() * 10 + zz.length());
	Line("embedded byte", zz.text()[5] == 'b');
	string y;
	y.alloc(3);
	y.text()[0] = 'a'; y.text()[1] = 0; y.text()[2] = 'c';
	Line("embedded compare", string::compare(z, y) < 0 && z != y);
	apistring za = z;
	Line("api copy of all bytes", za.text()[2] == 'b' && za.text()[3] == 0);
	print << string("embedded print: [") << z << string("]\r\n");

	string negative;
	negative.alloc(-5);
	Line("alloc negative", negative.length());

	// Self-assignment and += keep the value and the other holders.
	string self("self");
	self = self;
	Line("self assignment", self);
	string grow("ab");
	string kept = grow;
	grow += string("cd");
	Line("append to shared", kept + string(" ") + grow);
	grow += grow;
	Line("append itself", grow);
	string pair("xy");
	pair += pair;
	string pair_kept = pair;
	pair_kept += pair_kept;
	Line("append itself within the block", pair + string(" ") + pair_kept);
	grow += "!";
	grow += 5;
	Line("append number", grow);

	// Building by `s = s + x` reuses the block that the previous text left
	// behind; every value that was handed out must stay as it was.
	string built, snapshots[3];
	for (int i = 0; i < 300; ++i) {
		built = (kln::conv((string*)0, built + string(i % 2 ? "b" : "a") ));
		if (i == 1 || i == 2 || i == 150) snapshots[i == 1 ? 0 : i == 2 ? 1 : 2] = built;
	}
	Line("built length", built.length() * 1000 + snapshots[2].length());
	Line("snapshots", snapshots[0] + string(" ") + snapshots[1] + string(" ") + string(snapshots[2].text() + 146));
	string twice = built + built;
	built = (kln::conv((string*)0, built + built ));
	Line("built + built", built == twice && built.length() == 600);
	// Texts that outgrow the small block classes, built both ways: their
	// heap blocks grow in place or move, and a copy taken halfway stays.
	string by_concat, by_append, halfway;
	for (int i = 0; i < 20000; ++i) {
		string piece(i % 7 ? "xy" : "z");
		by_concat = (kln::conv((string*)0, by_concat + piece ));
		by_append += (kln::conv((string*)0, piece ));
		if (i == 9999) halfway = by_concat;
	}
	int check = 0;
	for (int i = 0; i < by_concat.length(); ++i) check = (check * 31 + by_concat.chars()[i]) & 0xFFFFFF;
	Line("large texts", by_concat == by_append && by_concat.length() == 37142 && halfway.length() == 18571);
	Line("large text check", check);
	string from_raw = null_text + string("r");
	from_raw = (kln::conv((string*)0, from_raw + string("s") ));
	from_raw = (kln::conv((string*)0, from_raw + string("t") ));
	Line("raw start", from_raw);
	// Writing through a text pointer, to the left operand or to the result
	// of the last concatenation, changes that string only.
	string base("abc");
	string joined = base + string("d");
	base.text()[0] = 'X';
	base = string("other");
	joined = (kln::conv((string*)0, joined + string("e") ));
	Line("left written", joined);
	string head("abc");
	head = (kln::conv((string*)0, head + string("d") ));
	string held = head;
	head.text()[0] = 'Y';
	head = (kln::conv((string*)0, head + string("e") ));
	Line("result written", held + string(" ") + head);
	string early("abc");
	char* early_text = early.text();
	string late = early + string("d");
	early_text[0] = 'Z';
	early = string("other");
	late = (kln::conv((string*)0, late + string("e") ));
	Line("left written through an earlier pointer", late);
	string grown("ab");
	string extended = grown + string("c");
	grown += string("zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz");
	grown = string("gone");
	extended = (kln::conv((string*)0, extended + string("d") ));
	Line("left grown in place", extended);

	// Text pointers.
	Line("unary & is the text", (void*)&abc == (void*)abc.text() && (char*)abc == abc.text() && (void*)abc == (void*)abc.text());

	// API strings.
	apistring api_empty;
	Line("apistring default", api_empty.text() != 0 && api_empty.length() == 0);
	apistring api_raw = null_text;
	Line("apistring from raw", (void*)api_raw.text() == 0);
	apistring api_res = cursor;
	Line("apistring keeps raw value", (int)(std::size_t)api_res.text());
	apistring api("hello");
	apistring api2 = api;
	Line("apistring copies", api2.text() != api.text() && api2 == api);
	api2 = api2;
	api = string("changed");
	Line("apistring assigned", string(api) + string(" ") + string(api2));
	Line("apistring length", api.length());
	api.alloc(4);
	Line("apistring alloc", api.length() == 0 && api.text()[4] == 0);

	// Out of memory is a run-time error, not a crash.
	try { string huge; huge.alloc(2000000000); Line("huge", huge.length()); }
	catch (const string& e) { Line("huge block", e); }
	try { string a("x"), b; b.alloc(1500000000); a = b + b; }
	catch (const string& e) { Line("huge concatenation", e); }
}

struct initialization { initialization(); };
initialization::initialization()
// DLL loader
{
	kln::loadlib(kln::string("user32"));
}
struct finalization { ~finalization(); };
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }

struct __init_and_final
{
	Strings::initialization __init_Strings;
	Strings::finalization __final_Strings;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
