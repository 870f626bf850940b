// INPUT and LINE INPUT: one line per read, converted like conv; at the end
// of the input the target keeps its value.
namespace kln
{
namespace Reading
{

extern "C" void Main()
{
	int i = 0; double d = 0; string s; variant v; bool b = false; unsigned char by = 0; apistring a;
	string line;
	input >> i; 
	input >> d; 
	input >> s; 
	input >> v; 
	input >> b; 
	input >> by; 
	input >> a; 
	input.line(line);
	print << i << string("|") << d << string("|") << s << string("|") << (v.is_text() ? string("text ") : string("number ")) << v << string("|") << b << string("|") << by << string("|") << a << string("|") << line << string("|\r\n"); 
	input >> i; 
	input.line(line);
	print << string("at the end: ") << i << string(" ") << line << string("\r\n"); 
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
	Reading::initialization __init_Reading;
	Reading::finalization __final_Reading;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
