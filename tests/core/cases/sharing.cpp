// Writable text pointers of shared strings: a write through one string's
// text pointer (text(), unary &, the pointer casts, a DLL stub's argument)
// changes that string alone, never another holder of the same block; and
// a block reused for a string made from the same text pointer again shows
// nothing of what its earlier holders did.
namespace kln
{
namespace Sharing
{
	// DECLARE SUB UpperByValue LIB "user32" ALIAS "CharUpperA" (BYVAL s AS STRING)
	void __stdcall UpperByValue(string s)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; void* (__stdcall *func)(void*); }; ptr = kln::getprocaddr(dll, "CharUpperA");
		func(&s);
	}
	// DECLARE SUB UpperByReference LIB "user32" ALIAS "CharUpperA" (BYREF s AS STRING)
	void __stdcall UpperByReference(string& s)
	{
		static void* dll = kln::getlibhandle(kln::string("user32"));
		static union { void* ptr; void* (__stdcall *func)(void*); }; ptr = kln::getprocaddr(dll, "CharUpperA");
		func(&s);
	}

const string Greeting = "hello";

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

// Each way of writing through a string's text pointer, applied to `target`.
enum writer { through_text, through_address, through_char_cast, through_void_cast };
static void __stdcall WriteFirst(string& target, writer how, char c)
{
	switch (how) {
	case through_text: target.text()[0] = c; break;
	case through_address: (&target)[0] = c; break;
	case through_char_cast: ((char*)target)[0] = c; break;
	case through_void_cast: static_cast<char*>((void*)target)[0] = c; break;
	}
}

// The same text pointer each call, as a literal in a loop.
static string Literal() { return string("lit"); }

// A string made from `text`, written through its pointer, then released.
static void __stdcall MakeAndWrite(const char* text, int position, char c)
{
	string s(text);
	s.text()[position] = c;
}

extern "C" void Main()
{
	// Two variables share one block; a write through one leaves the other.
	const char* names[] = { "text()", "unary &", "(char*)", "(void*)" };
	for (int how = through_text; how <= through_void_cast; ++how) {
		string s("abc");
		string t = s;
		WriteFirst(s, writer(how), 'X');
		Line(names[how], s + string(" ") + t + string(" counts ") + variant(s.refcount() * 10 + t.refcount()));
	}

	// A string that nobody shares is written in place, without a copy.
	string alone("abc");
	char* block = alone.handle();
	alone.text()[0] = 'Y';
	Line("unshared written in place", alone + string(" ") + variant(alone.handle() == block));

	// A raw value stays raw.
	string raw((const char*)5);
	string raw_copy = raw;
	Line("raw text pointer", (int)(std::size_t)raw.text());
	Line("raw stays raw", raw.is_raw() && raw_copy.is_raw() && raw_copy.handle() == (char*)5);

	// A constant of the module: its copies are written, the constant is not.
	string greeting = Greeting;
	greeting.text()[0] = 'J';
	Line("constant", Greeting + string(" ") + greeting);

	// The result of a concatenation, shared and then written, and a left
	// operand kept by the concatenation memory.
	string joined = string("ab") + string("c");
	string held = joined;
	joined.text()[0] = 'Q';
	held = (kln::conv((string*)0, held + string("d") ));
	joined = (kln::conv((string*)0, joined + string("e") ));
	Line("shared result written", held + string(" ") + joined);
	string result("ab");
	result = (kln::conv((string*)0, result + string("c") ));
	result.text()[0] = 'W';
	result = (kln::conv((string*)0, result + string("d") ));
	Line("unshared result written", result);

	// The left operand of the last concatenation let go of by an assignment
	// of another string, by alloc, or kept by a copy: the next concatenation
	// onto the result still gives the right text, and nothing else changes.
	{
		string left = string("ab") + string("c");
		string extended = left + string("d");
		string other("zz");
		left = other;
		extended = (kln::conv((string*)0, extended + string("e") ));
		Line("left assigned over", extended + string(" ") + left + string(" counts ")
		     + variant(extended.refcount() * 10 + other.refcount()));
		string reallocated = extended;
		extended = (kln::conv((string*)0, extended + string("f") ));
		reallocated.alloc(2);
		extended = (kln::conv((string*)0, extended + string("g") ));
		Line("left reallocated", extended + string(" ") + variant(reallocated.length()) + string(" ") + variant(extended.refcount()));
		string grown = string("a") + string("b");
		string copies[3];
		for (int i = 0; i < 3; ++i) {
			copies[i] = grown;
			grown = (kln::conv((string*)0, grown + string("x") ));
		}
		Line("copies of the left", grown + string(" ") + copies[0] + string(" ") + copies[1] + string(" ") + copies[2] + string(" counts ")
		     + variant(grown.refcount() * 1000 + copies[0].refcount() * 100 + copies[1].refcount() * 10 + copies[2].refcount()));
	}

	// Right operands of `s = s + x` onto the last result: s itself, a raw
	// value, a text longer than the short ones, and a left operand grown in
	// place after the concatenation, so that the spare holds more than the
	// shared prefix.
	{
		string s = string("ab") + string("c");
		s = (kln::conv((string*)0, s + string("d") ));
		s = (kln::conv((string*)0, s + s ));
		s = (kln::conv((string*)0, s + string::from_handle((char*)7) ));
		s = (kln::conv((string*)0, s + string("-0123456789abcdefghij") ));
		s = (kln::conv((string*)0, s + string("!") ));
		Line("right operands", s + string(" ") + variant(s.length()) + string(" ") + variant(s.refcount()));
		string left = string("pq") + string("r");
		string result = left + string("s");
		left += string("XYZ");
		left = string("gone");
		result = (kln::conv((string*)0, result + string("t") ));
		result = (kln::conv((string*)0, result + string("u") ));
		Line("left grown after", result + string(" ") + left);
	}

	// The "out of memory" error is one static block: a caught copy written
	// through its text pointer leaves the next error's text intact.
	for (int round = 0; round < 2; ++round) {
		try { string huge; huge.alloc(2000000000); }
		catch (const string& e) {
			string message = e;
			message.text()[0] = 'O';
			Line("out of memory", e + string(" / ") + message);
		}
	}

	// Strings made again from one text pointer: each owns a block of count
	// 1, and nothing done to an earlier one reaches a later one.
	{
		string first = Literal(), second = Literal();
		second.text()[0] = 'L';
		Line("literal twice", first + string(" ") + second + string(" counts ") + variant(first.refcount() * 10 + second.refcount())
		     + string(" ") + variant(first.handle() != second.handle()));
	}
	MakeAndWrite("lit", 0, 'X');
	Line("literal after a write", Literal());
	MakeAndWrite("lit", 1, 0);
	string after_zero = Literal();
	Line("literal after a 0 byte", after_zero + string(" ") + variant(after_zero.length()));
	for (int round = 0; round < 2; ++round) {
		string grown = Literal();
		for (int i = 0; i < 40; ++i) grown += string("+");
		string joined = Literal() + string("!");
		Line("literal after growth", Literal() + string(" ") + variant(grown.length()) + string(" ") + joined);
	}
	{
		string held = Literal();
		{ string other = Literal(); other.text()[2] = 'd'; }
		Line("literal held", held + string(" ") + Literal());
	}

	// A buffer made into a string, released, given new content and made
	// into a string again: each string has the buffer's text of its moment.
	char buffer[8] = "one";
	const char* contents[] = { "one", "two", "tw", "two!", "", "two" };
	string made[6];
	for (int i = 0; i < 6; ++i) {
		{ string passing(buffer); }
		for (int k = 0; (buffer[k] = contents[i][k]) != 0; ++k) {}
		made[i] = string(buffer);
	}
	Line("buffer", made[0] + string(",") + made[1] + string(",") + made[2] + string(",") + made[3] + string(",") + made[4] + string(",") + made[5]);

	// A DLL writing into a BYVAL STRING writes into the stub's own copy;
	// BYREF writes into the caller's variable and only there.
	string shout("shout");
	string other = shout;
	UpperByValue(shout);
	Line("by value", shout + string(" ") + other);
	string single("single");
	UpperByValue(single);
	Line("by value, unshared", single);
	UpperByReference(shout);
	Line("by reference", shout + string(" ") + other);
	string literal_held = Greeting;
	UpperByReference(literal_held);
	Line("by reference, constant", literal_held + string(" ") + Greeting);
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
	Sharing::initialization __init_Sharing;
	Sharing::finalization __final_Sharing;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
