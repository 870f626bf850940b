// Variants and PRINT: number text, the number grammar, the left-kind rule
// of the operators, assignment and console output.
namespace kln
{
namespace Variants
{

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

static void __stdcall Kind(const char* label, variant value)
{
	print << label << string(": ") << (value.is_text() ? string("text ") : string("number ")) << string(value) << string(" / ") << double(value) << string("\r\n");
}

extern "C" void Main()
{
	Kind("0.1", variant(0.1));
	Kind("1/3", variant(1.0 / 3));
	Kind("1e20", variant(1e20));
	Kind("default", variant());
	Kind("int", variant(42));
	Kind("bool", variant(true));
	Kind("dword", variant(4294967295UL));
	Kind("long long", variant(4294967296LL));
	Kind("long double", variant((long double)2.5));
	Kind("negative zero", variant(-0.0));

	// The number grammar; anything else reads as 0.
	struct { const char* label; const char* text; } texts[] = {
		{ "12abc", "12abc" }, { "abc", "abc" }, { "blanks -1.5e3x", "  -1.5e3x" }, { "+7", "+7" }, { ".5", ".5" },
		{ "5.", "5." }, { ".", "." }, { "1e", "1e" }, { "1e+", "1e+" }, { "2E-2", "2E-2" }, { "0x1A", "0x1A" },
		{ "inf", "inf" }, { "nan", "nan" }, { "empty", "" }, { "tab cr lf 8", " \t\r\n 8" }, { "- 1", "- 1" },
		{ "1,5", "1,5" }, { "0001", "0001" } };
	for (auto& t : texts) {
		variant v = string(t.text);
		print << string(t.label) << string(" -> ") << v.num() << string("\r\n");
	}

	// Assignment copies kind, number and text.
	variant five = 5.0;
	variant copy;
	copy = five;
	Kind("assigned number", copy);
	variant text = string("abc");
	copy = text;
	Kind("assigned text", copy);

	// Equality: the left operand's kind decides.
	Line("text 5 == 5.0", variant(string("5")) == 5.0);
	Line("text 5.0 == 5.0", variant(string("5.0")) == 5.0);
	Line("5.0 == text 5.0", 5.0 == variant(string("5.0")));
	Line("text 5 == variant 5", variant(string("5")) == five);
	Line("variant 5 == text 5.0", five == variant(string("5.0")));
	Line("variant 5 == string 5.0", five == string("5.0"));
	Line("text == string", variant(string("ab")) == string("ab"));
	Line("raw text == anything", variant(string((const char*)0)) == string((const char*)0));

	// Addition and concatenation.
	Kind("text ab + 1.5", variant(string("ab")) + variant(1.5));
	Kind("1 + text 2", variant(1) + variant(string("2")));
	Kind("text 1 + 2.0", variant(string("1")) + 2.0);
	Kind("text 1 + 2", variant(string("1")) + 2);
	Kind("text 1 + string 2", variant(string("1")) + string("2"));
	Kind("number 1 + string 2", variant(1) + string("2"));
	Kind("string a + 1", string("a") + 1);
	Kind("1 + string 2", 1 + string("2"));
	Kind("string + variant", string("x") + variant(2));
	Kind("string + string", variant(string("x") + string("y")));
	Kind("apistring + number", apistring("n") + 7);

	// The other operators are numeric; %, ^, &, | on int32.
	Kind("text 7 - 2", variant(string("7")) - 2);
	Kind("3 * text 4", 3 * variant(string("4")));
	Kind("1 / 4", variant(1) / 4);
	Kind("1 / 0", variant(1) / 0);
	Kind("7.9 % 3", variant(7.9) % 3);
	Kind("-7 % 3", variant(-7) % 3);
	Kind("-2147483648 % -1", variant(-2147483648.0) % -1);
	try { Kind("5 % 0", variant(5) % 0); } catch (const string& e) { Line("5 % 0", e); }
	Kind("6 ^ 3", variant(6) ^ 3);
	Kind("6 & 3", variant(6) & 3);
	Kind("6 | 3", variant(6) | 3);
	Kind("4294967295 & 255", variant(4294967295.0) & 255);
	Kind("-text 2", -variant(string("2")));
	Kind("+text 2", +variant(string("2")));
	Kind("~5", ~variant(5));
	Line("!0", !variant(0));
	Line("!text abc", !variant(string("abc")));
	Line("!text 1", !variant(string("1")));

	// Ordering: a text left operand compares texts, a number left operand numbers.
	Line("text 10 < 9", variant(string("10")) < 9);
	Line("9 < text 10", 9 < variant(string("10")));
	Line("text b > text a", variant(string("b")) > variant(string("a")));
	Line("number 10 > text 9", variant(10) > string("9"));
	Line("text 2 <= 10", variant(string("2")) <= 10);
	Line("text 2 != 2", variant(string("2")) != 2);
	Line("string a < variant 1", string("a") < variant(1));

	// SELECT CASE comparisons.
	variant is = 4;
	Line("case 3 TO 5", (1 == is) || (3 <= is && is <= 5));
	is = string("b");
	Line("case a TO c", (string("a") <= is && is <= string("c")));
	is = 4294967295.0;
	Line("case 4294967295", (4294967295 == is));

	// Compound assignment, increments and conditions.
	variant n = 1;
	n += 2; n -= 0.5; n *= 4; n /= 5;
	Kind("compound", n);
	n++; n++; n--;
	Kind("increments", n);
	variant s = string("a");
	s += 1;
	Kind("text += number", s);
	s += string("b");
	Kind("text += text", s);
	int hits = 0;
	if (variant(0.5)) hits += 1;
	if (variant(0)) hits += 10;
	if (variant(string("2"))) hits += 100;
	if (variant(string("x"))) hits += 1000;
	Line("conditions", hits);
	variant counter = 0;
	double __limit = 2;
	int turns = 0;
	while ( counter <= __limit )
	{
		turns++;
		counter += 0.5;
	}
	Line("variant FOR counter", turns);

	// Conversions from a variant.
	string from_number = variant(2.5);
	Line("string of number", from_number);
	int whole = variant(-2.9);
	Line("int of -2.9", whole);

	// PRINT.
	print << variant(3) << string(" ") << variant(string("text")) << string(" ") << 2.5 << string(" ") << true << string(" ") << 'A' << string(" ") << (unsigned char)200 << string(" ") << 4294967295 << string(" ") << (short)-3 << string("\r\n");
	string embedded;
	embedded.alloc(3);
	embedded.text()[0] = 'x'; embedded.text()[2] = 'y';
	print << string("[") << variant(embedded) << string("] [") << string((const char*)0) << string("] [") << variant(string((const char*)0)) << string("]\r\n");
	print << 1e-7 << string(" ") << 123456789012345678.0 << string(" ") << -1e300 * 1e10 << string("\r\n");

	// Copies, moves and assignments of a text variant count its block, and
	// every variant releases it: counts inside, then after the scope.
	string held("held");
	{
		variant first(held);
		variant copied = first;
		variant moved = static_cast<variant&&>(copied);
		variant assigned(1.5);
		assigned = first;
		variant moved_into(2.5);
		moved_into = static_cast<variant&&>(assigned);
		variant number(3.5);
		number = variant(4.5);
		print << string("variant counts ") << held.refcount() << string(" ") << moved_into << string(" ") << number << string("\r\n");
	}
	print << string("variant counts after ") << held.refcount() << string("\r\n");
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
	Variants::initialization __init_Variants;
	Variants::finalization __final_Variants;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
