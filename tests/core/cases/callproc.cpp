// Procedure addresses called by the library: a handler declared with fewer
// parameters than it is passed leaves the caller's stack intact, and an
// event handler receives a counted reference that is released after the call.
namespace kln
{
namespace Calls
{
	int calls = 0;
	int last = 0;

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

class Event: public object
{
public: Event(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Event) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Calls.Event"; }
	int Mode;
};

static void __stdcall NoParameters() { calls++; }
static int __stdcall TwoParameters(int a, int b) { calls++; last = a * 10 + b; return a + b; }
static int __stdcall FourParameters(int a, int b, int c, int d) { calls++; return a * 1000 + b * 100 + c * 10 + d; }
static void __stdcall OnEvent(kln::ref<class Event> e)
{
	calls++;
	Line("handler sees the event", e->ClassName() + string(" count ") + e->__refcnt);
	e->Mode = 7;
}
static void __stdcall Throws(int a) { throw string("error in a handler"); }

extern "C" void Main()
{
	int args[4] = { 1, 2, 3, 4 };
	int before_marker = 12345;
	kln::__call_proc((int)((unsigned long)Calls::NoParameters), 2, args);
	int r2 = kln::__call_proc((int)((unsigned long)Calls::TwoParameters), 4, args);
	int r4 = kln::__call_proc((int)((unsigned long)Calls::FourParameters), 4, args);
	int r0 = kln::__call_proc((int)((unsigned long)Calls::FourParameters), 0, args);
	Line("calls", calls);
	Line("two of four arguments", r2 * 100 + last);
	Line("four arguments", r4);
	Line("no arguments", r0 != 1234);
	Line("caller intact", before_marker);

	kln::ref<class Event> e = kln::ref<class Event>(new (class Event));
	kln::__call_event((int)((unsigned long)Calls::OnEvent), e);
	print << string("after the event: ") << e->Mode << string(" count ") << e->__refcnt << string("\r\n");

	try { kln::__call_proc((int)((unsigned long)Calls::Throws), 1, args); }
	catch (const string& message) { Line("error passes through", message); }
	Line("still intact", before_marker);
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
	Calls::initialization __init_Calls;
	Calls::finalization __final_Calls;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
