// Arrays, collections, dictionaries and FOR EACH.
namespace kln
{
namespace Lists
{
	int alive = 0;

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Lists.Item"; }
	int id;
	virtual void Initialize() { alive++; }
	virtual void Terminate() { alive--; }
};

class Other: public object
{
public: Other(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Other) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Lists.Other"; }
};

struct Point
{
	int x;
	int y;
};

template<class C> static string __stdcall Join(C& c)
{
	string text;
	variant v;
	kln::iterator* __iter = c.iterate();
	while (__iter->next(kln::ptr(v)))
	{
		text = text + string(" ") + v;
	}
	delete __iter;
	return text;
}

static void __stdcall Error(const char* label, void (*action)())
{
	try { action(); Line(label, string("no error")); }
	catch (const string& e) { Line(label, e); }
}

	kln::array<int>  a(10, 0); 
	kln::array<double>  m(1, 3, 4, 5); 
	kln::collection<int>  c; 
	kln::dictionary<string>  d; 

extern "C" void Main()
{
	// Arrays.
	print << string("DIM a(10): ") << kln::lbound(a()) << string("..") << kln::ubound(a()) << string("\r\n");
	print << string("DIM m(1 TO 3, 4 TO 5): ") << kln::lbound(m(), 1) << string("..") << kln::ubound(m(), 1) << string(" ") << kln::lbound(m(), 2) << string("..") << kln::ubound(m(), 2) << string("\r\n");
	kln::array<int>  reversed(5, 2); 
	print << string("bounds in order: ") << kln::lbound(reversed()) << string("..") << kln::ubound(reversed()) << string("\r\n");
	for (int i = 0; i <= 10; ++i) a(i) = i * i;
	m(3, 5) = 2.5;
	m(variant(1), 4.9) = 1.5;
	print << string("elements: ") << a(10) << string(" ") << m(3, 5) << string(" ") << m(1, 4) << string("\r\n");
	Line("array FOR EACH", Join(a));
	Error("index above", [] { a(11) = 1; });
	Error("index below", [] { a(-1) = 1; });
	Error("too few indices", [] { m(1) = 1; });
	Error("too many indices", [] { a(1, 1) = 1; });
	Error("dimension 3", [] { kln::ubound(m(), 3); });
	a.redim(2, 0);
	print << string("redim discards: ") << a(0) << string(" ") << a(2) << string(" ") << kln::ubound(a()) << string("\r\n");
	a.redim();
	Error("redim() has no elements", [] { a(0) = 1; });
	Error("more elements than an int counts", [] { a.redim(0, 99999, 0, 99999); });
	Error("elements beyond the address space", [] { m.redim(0, 600000000); });
	Error("a failed redim leaves no elements", [] { a(0) = 1; });
	Error("nor dimensions", [] { kln::ubound(m()); });
	kln::array<string>  names; 
	names.redim(1, 0);
	Line("string elements start empty", names(0).length() == 0 && !names(0).is_raw());
	kln::array<Point>  points(2, 0); 
	points(1).x = 7;
	Line("record elements", points(1).x + points(2).y);

	// Collections: positions from 0.
	c.add(10); c.add(30); c.add(kln::conv((int*)0, 20), kln::conv((int*)0, 1)); c.add(40, 3); c.add(5, 0);
	Line("collection", Join(c));
	Line("length", c.length());
	Line("element", c(1));
	c(1) = 11;
	c.remove(kln::conv((int*)0, 0));
	c.removeitem(kln::conv((int*)0, 30));
	c.removeitem(99);
	Line("after removals", Join(c));
	Error("position = length", [] { c(c.length()) = 1; });
	Error("insert beyond end", [] { c.add(1, c.length() + 1); });
	Error("remove missing position", [] { c.remove(-1); });
	c.add(11);
	c.removeitem(11);
	Line("removeitem takes the first", Join(c));
	c.clear();
	Line("cleared", c.length());

	// A FOR EACH over an empty container runs zero times.
	int runs = 0;
	{
		int v; 
		kln::iterator* __iter = c.iterate();
		while (__iter->next(kln::ptr(v)))
		{
			runs++;
		}
		delete __iter;
	}
	Line("empty FOR EACH", runs);

	// Changing the container inside the loop never reads past its end.
	c.add(1); c.add(2); c.add(3);
	runs = 0;
	{
		int v; 
		kln::iterator* __iter = c.iterate();
		while (__iter->next(kln::ptr(v)))
		{
			runs++;
			if (runs == 1) { c.remove(2); c.remove(1); }
		}
		delete __iter;
	}
	Line("loop over a shrinking collection", runs);

	// References: counted elements, identity for removeitem, checked stores.
	{
		kln::collection<kln::ref<class Item> >  items; 
		kln::ref<class Item> first = kln::ref<class Item>(new (class Item));
		items.add(first);
		items.add(kln::ref<class Item>(new (class Item)));
		items.add(first);
		Line("items alive", alive);
		Line("element count", first->__refcnt);
		items.removeitem(kln::ref<class Item>(new (class Item)));
		Line("removeitem by identity", items.length());
		items.removeitem(first);
		Line("removed first match", items.length() * 10 + (items(1) == first));
		kln::collection<kln::ref<class object> >  mixed; 
		mixed.add(first);
		mixed.add(kln::ref<class object>(new (class Other)));
		kln::ref<class Item> it; 
		kln::iterator* __iter = mixed.iterate();
		try {
			while (__iter->next(kln::ptr(it))) Line("stored", it->ClassName());
		} catch (const string& e) { Line("store of another class", e); }
		delete __iter;
		variant v;
		__iter = items.iterate();
		try { __iter->next(kln::ptr(v)); } catch (const string& e) { Line("object into variant", e); }
		delete __iter;
	}
	Line("items released", alive);

	// Dictionaries: byte-exact keys, insertion order, a missing key adds.
	d(string("b")) = string("2");
	d(string("a")) = string("1");
	d(string("B")) = string("3");
	d(7) = string("seven");
	Line("dictionary", Join(d));
	Line("contains", (d.contains(string("a")) ? 10 : 0) + (d.contains(string("A")) ? 1 : 0));
	Line("number key", d.contains(kln::conv((kln::string*)0, 7)) && d(string("7")) == string("seven"));
	Line("missing key reads empty", d(string("new")).length() * 10 + d.length());
	d.remove(kln::conv((kln::string*)0, string("missing")));
	d.remove(string("b"));
	d.removeitem(string("1"));
	{
		string k; string v; string text;
		kln::iterator* __iter = d.iterate();
		while (__iter->next(k, kln::ptr(v)))
		{
			text = text + string(" ") + k + string("=") + v;
		}
		delete __iter;
		Line("keys and values", text);
	}
	{
		variant k; variant v; int n = 0;
		kln::collection<string>  three; 
		three.add(string("a")); three.add(string("b")); three.add(string("c"));
		kln::iterator* __iter = three.iterate();
		while (__iter->next(k, kln::ptr(v))) n = n * 10 + k;
		delete __iter;
		Line("collection positions as keys", n);
	}
	// A key keeps its text when the buffer it came from, or the loop
	// variable that received it, is written through its text pointer.
	{
		string buffer("first"), k; string v;
		d(buffer) = string("1");
		buffer.text()[0] = 'F';
		d(buffer) = string("2");
		kln::iterator* __iter = d.iterate();
		while (__iter->next(k, kln::ptr(v))) k.text()[0] = '#';
		delete __iter;
		Line("keys own their text", (d(string("first")) + d(string("First"))) + string(" ") + (d.contains(string("#irst")) ? string("shared") : string("own")));
	}
	d.clear();
	Line("dictionary cleared", d.length());

	// Many keys, removals among them, and look-ups after each change.
	kln::dictionary<int>  big; 
	for (int i = 0; i < 50000; ++i) big(i) = i;
	for (int i = 0; i < 50000; i += 50) big.remove(i);
	big(string("extra")) = 7;
	int found = 0, sum = 0;
	for (int i = 0; i < 50000; ++i) if (big.contains(i)) { found++; sum += big(i) % 7; }
	print << string("many keys: ") << found << string(" ") << sum << string("\r\n");
	Line("many keys length", big.length());
	Line("after removals", big(string("49999")) * 10 + big(string("extra")));

	// SWAP.
	string s1("one"), s2("two");
	kln::swap(s1, s2);
	kln::array<int>  x(1, 0), y(2, 0); 
	kln::swap(x, y);
	print << string("swap: ") << s1 << string(" ") << s2 << string(" ") << kln::ubound(x()) << kln::ubound(y()) << string("\r\n");
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
	Lists::initialization __init_Lists;
	Lists::finalization __final_Lists;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
