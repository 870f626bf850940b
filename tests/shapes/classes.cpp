// Generated shape: classes, forward declarations, methods, events and type
// records.
#include "core.h"

namespace kln
{
namespace Zoo
{
class Animal;
class Keeper;

class Animal: public object
{
public: Animal(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Animal) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Animal"; }
	int x, y; 
	string s; 
	variant v; 
	kln::ref<class Keeper> keeper; 
	kln::collection<kln::ref<class Animal> > young; 
	kln::dictionary<int> counts; 
	kln::array<double> weights; 
	event Fed; 
	virtual void Initialize();
	virtual void Terminate();
	virtual void Speak(string text);
	virtual void Greet(kln::ref<class Animal> who);
	virtual string Describe();
	virtual void SaveToStream(kln::ref<class object> stream);
	virtual void LoadFromStream(kln::ref<class object> stream);
};
struct __rtti_Animal: kln::rtti
{
	__rtti_Animal() { kln::classlist::add(this); }
	kln::ref<kln::object> create() { return new class Animal; }
	string name() { return "Zoo.Animal"; }
} __rtti_Animal;

class Dog: public Animal
{
public: Dog(bool init = true): Animal(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Dog) == ti ) || Animal::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Dog"; }
	virtual void Speak(string text);
	virtual void OnFed(kln::ref<class Animal> who);
};
struct __rtti_Dog: kln::rtti
{
	__rtti_Dog() { kln::classlist::add(this); }
	kln::ref<kln::object> create() { return new class Dog; }
	string name() { return "Zoo.Dog"; }
} __rtti_Dog;

class Keeper: public object
{
public: Keeper(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Keeper) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Zoo.Keeper"; }
};

void Animal::Initialize()
{
	kln::ref<class Animal> me(this, true);
	weights.redim(3, 0);
	kln::ref<class Animal> self = me;
}

void Animal::Terminate()
{
	kln::ref<class Animal> me(this, true);
}

void Animal::Speak(string text)
{
	kln::ref<class Animal> me(this, true);
	print << ClassName() << string(": ") << text << string("\r\n"); 
	Fed.raise(me);
}

string Animal::Describe()
{
	string result;
	kln::ref<class Animal> me(this, true);
	result = (kln::conv((string*)0, ClassName() + string(" ") + x ));
	return result;
}

void Animal::Greet(kln::ref<class Animal> who) { }
void Animal::SaveToStream(kln::ref<class object> stream) { }
void Animal::LoadFromStream(kln::ref<class object> stream) { }

void Dog::Speak(string text)
{
	kln::ref<class Dog> me(this, true);
	Animal::Speak(kln::conv((string*)0, text + string("!")));
	Fed.set(kln::conv((event*)0, this, &Dog::OnFed ));
	Fed.set(kln::conv((event*)0, this, &Dog::Greet ));
	Fed.set(this, &Dog::Greet );
}

void Dog::OnFed(kln::ref<class Animal> who)
{
	kln::ref<class Dog> me(this, true);
	kln::ref<class Dog> d = kln::conv((kln::ref<class Dog> *)0, who);
	bool same = who == me;
}

static void __stdcall Use()
{
	kln::ref<class Animal> a = kln::ref<class Animal>(new (class Animal));
	kln::ref<class Dog> d = kln::ref<class Dog>(new (class Dog));
	a = d;
	kln::ref<class object> o = a;
	kln::ref<kln::object> made = __rtti_Dog.create();
	string n = __rtti_Dog.name();
	kln::rtti* r = kln::classlist::find(string("zoo.dog"));
	bool isDog = a->__isbase(typeid(Dog)) && a->__isa(typeid(Dog)) && !a->__isa(typeid(Animal));
	a->young.add(kln::conv((kln::ref<class Animal> *)0, d));
	a->counts(string("bones")) = (kln::conv((int*)0, 3 ));
	a->Speak(kln::conv((string*)0, string("hi")));
	d->Speak(kln::conv((string*)0, a->Describe()));
}

}
}
