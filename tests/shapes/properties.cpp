// Generated shape: property declarations and their GET/SET bodies.
#include "core.h"

namespace kln
{
namespace Props
{

class C: public object
{
public: C(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(C) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Props.C"; }
	variant store; string title; kln::ref<class C> parent;
	virtual string Caption();
	virtual variant Count();
	virtual void Count(variant);
	virtual kln::ref<class C> Owner();
	virtual void Owner(kln::ref<class C> );
	virtual void Width(int);
};

string C::Caption()
{
	string Caption;
	kln::ref<class C> me(this, true);
	Caption = (kln::conv((string*)0, title ));
	return Caption;
}

variant C::Count()
{
	variant Count;
	kln::ref<class C> me(this, true);
	Count = (kln::conv((variant*)0, store ));
	return Count;
}

void C::Count(variant Count)
{
	kln::ref<class C> me(this, true);
	store = (kln::conv((variant*)0, Count ));
}

kln::ref<class C> C::Owner()
{
	kln::ref<class C> Owner;
	kln::ref<class C> me(this, true);
	Owner = (kln::conv((kln::ref<class C> *)0, parent ));
	return Owner;
}

void C::Owner(kln::ref<class C> Owner)
{
	kln::ref<class C> me(this, true);
	parent = (kln::conv((kln::ref<class C> *)0, Owner ));
}

void C::Width(int Width)
{
	kln::ref<class C> me(this, true);
}

static void __stdcall Use(kln::ref<class C> c)
{
	variant v;
	c->Count(kln::conv((variant*)0, 5 ));
	v = (kln::conv((variant*)0, c->Count() + 1 ));
	c->Owner(kln::conv((kln::ref<class C> *)0, c ));
	c->Owner(kln::conv((kln::ref<class C> *)0, c->Owner()->Owner() ));
	c->Width(kln::conv((int*)0, c->Caption() ));
	print << c->Caption() << c->Count() << string("\r\n"); 
}

}
}
