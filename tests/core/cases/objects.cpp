// Objects, references and type records: counts, Initialize and Terminate,
// class names and checks, events, checked down-casts and the class list.
namespace kln
{
namespace Zoo
{
	int terminated = 0;
	int destroyed = 0;
	kln::ref<class object> keeper;

static void __stdcall Line(const char* label, variant value)
{
	print << label << string(": ") << value << string("\r\n");
}

class Animal: public object
{
public: Animal(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Animal) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Animal"; }
	string name; int legs; variant tag; kln::ref<class Animal> friend_;
	event Fed;
	virtual void Initialize();
	virtual void Terminate();
	virtual void OnFed(kln::ref<class Animal> who);
};
struct __rtti_Animal: kln::rtti
{
	__rtti_Animal() { kln::classlist::add(this); }
	kln::ref<kln::object> create() { return new class Animal; }
	string name() { return "Zoo.Animal"; }
} __rtti_Animal;

// Its string field shows that destroying through a base reference
// releases the fields of the derived class.
class Dog: public Animal
{
public: Dog(bool init = true): Animal(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Dog) == ti ) || Animal::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Dog"; }
	string bark;
	virtual ~Dog() { destroyed += 100; }
};
struct __rtti_Dog: kln::rtti
{
	__rtti_Dog() { kln::classlist::add(this); }
	kln::ref<kln::object> create() { return new class Dog; }
	string name() { return "Zoo.Dog"; }
} __rtti_Dog;

class Phoenix: public Animal
{
public: Phoenix(bool init = true): Animal(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Phoenix) == ti ) || Animal::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Phoenix"; }
	virtual void Terminate();
};

class Huge: public object
{
public: Huge(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Huge) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Huge"; }
	double data[220000000];
};

class Stone: public object
{
public: Stone(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Stone) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Stone"; }
};

// Takes and drops a counted reference to itself during construction.
void Animal::Initialize()
{
	kln::ref<class Animal> me(this, true);
	kln::ref<class Animal> self = me;
	legs = 4;
}

void Animal::Terminate()
{
	kln::ref<class Animal> me(this, true);
	kln::ref<class Animal> during = me;  // taken and dropped while terminating
	terminated++;
	Line("terminate sees fields", name.length() >= 0 && legs == 4);
}

void Animal::OnFed(kln::ref<class Animal> who)
{
	kln::ref<class Animal> me(this, true);
	Line("event handler", ClassName() + string(" fed by ") + (who.p ? who->ClassName() : string("nobody")));
}

// Keeps a reference: the object stays alive.
void Phoenix::Terminate()
{
	kln::ref<class Phoenix> me(this, true);
	terminated++;
	if (terminated < 10) keeper = me;
}

extern "C" void Main()
{
	Line("sizes", variant(sizeof(object) * 10 + sizeof(kln::ref<class Animal>)));
	{
		kln::ref<class Animal> a = kln::ref<class Animal>(new (class Animal));
		Line("count after creation", a->__refcnt);
		Line("zero-filled fields", a->friend_.p == 0 && a->name.length() == 0);
		kln::ref<class Animal> b = a;
		kln::ref<class object> o = a;
		Line("three references", a->__refcnt);
		{ kln::ref<class Animal> borrowed(a.p, true); Line("borrowed does not count", a->__refcnt);
		  kln::ref<class Animal> copied = borrowed; Line("copy of borrowed counts", a->__refcnt); }
		b = b;
		Line("self assignment", a->__refcnt);
		b = kln::ref<class Animal>();
		o = kln::ref<class object>();
		Line("one reference", a->__refcnt);
		Line("not yet terminated", terminated);
	}
	Line("terminated once", terminated);

	{
		kln::ref<class Animal> d = kln::ref<class Animal>(new (class Dog));
		kln::conv((kln::ref<class Dog> *)0, d)->bark = string("woof");
	}
	Line("derived destructor ran", destroyed);

	{
		kln::ref<class Animal> p = kln::ref<class Animal>(new (class Phoenix));
	}
	Line("phoenix kept alive", keeper.p != 0 && keeper->__refcnt == 1);
	terminated = 100;
	keeper = kln::ref<class object>();
	Line("phoenix gone", terminated);

	// Class names and checks.
	kln::ref<class object> root = kln::__rtti_object.create();
	Line("root class name", root->ClassName());
	Line("root created with count", root->__refcnt);
	Line("root record name", kln::__rtti_object.name());
	kln::ref<class Animal> dog = kln::conv((kln::ref<class Animal> *)0, __rtti_Dog.create());
	Line("class name", dog->ClassName());
	Line("isbase", (dog->__isbase(typeid(Dog)) ? 100 : 0) + (dog->__isbase(typeid(Animal)) ? 10 : 0) + (dog->__isbase(typeid(object)) ? 1 : 0));
	Line("isbase unrelated", dog->__isbase(typeid(Stone)));
	Line("isa", (dog->__isa(typeid(Dog)) ? 10 : 0) + (dog->__isa(typeid(Animal)) ? 1 : 0));
	Line("identity", (dog == dog) * 10 + (dog != root));

	// Checked down-casts.
	kln::ref<class object> any = dog;
	kln::ref<class Dog> back = kln::conv((kln::ref<class Dog> *)0, any);
	Line("down-cast", back->ClassName());
	try { kln::ref<class Stone> s = kln::conv((kln::ref<class Stone> *)0, any); Line("stone", s.p == 0); }
	catch (const string& e) { Line("wrong class", e); }
	Line("zero is null", kln::conv((kln::ref<class Dog> *)0, 0).p == 0);
	try { kln::ref<class Dog> n = kln::conv((kln::ref<class Dog> *)0, 7); }
	catch (const string& e) { Line("other number", e); }
	try { kln::ref<class Dog> n = kln::conv((kln::ref<class Dog> *)0, variant(string("x"))); }
	catch (const string& e) { Line("text", e); }

	// Events: an unbound event does nothing; a bound one calls the handler.
	kln::ref<class Animal> cat = kln::ref<class Animal>(new (class Animal));
	cat->Fed.raise(dog);
	Line("unbound raise", cat->Fed.bound());
	cat->Fed.set(kln::conv((event*)0, cat.p, &Animal::OnFed));
	int before = cat->__refcnt;
	cat->Fed.raise(dog);
	Line("event holds its object uncounted", cat->__refcnt == before);
	try { cat->Fed.raise(kln::ref<class Stone>(new (class Stone))); }
	catch (const string& e) { Line("event argument of another class", e); }
	cat->Fed.raise(0);

	// Creation on an exhausted heap is a run-time error.
	try { kln::ref<class Huge> h = kln::ref<class Huge>(new (class Huge)); Line("huge", h->__refcnt); }
	catch (const string& e) { Line("huge object", e); }

	// The class list finds records by name, ignoring case.
	kln::rtti* r = kln::classlist::find(string("ZOO.dog"));
	Line("class list", r ? r->name() : string("none"));
	Line("class list OBJECT", kln::classlist::find(string("object")) == &kln::__rtti_object);
	Line("class list miss", kln::classlist::find(string("Zoo.Cat")) == 0);
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
	Zoo::initialization __init_Zoo;
	Zoo::finalization __final_Zoo;
} *__init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}
}
