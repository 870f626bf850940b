// Generated shape: assignment and call statements, converted and under -c.
#include "core.h"

namespace kln
{
namespace Assign
{

class Dialog;
class Button: public object
{
public: Button(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Button) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Assign.Button"; }
	event Clicked;
	virtual int Size();
	virtual void Size(int);
};

class Dialog: public object
{
public: Dialog(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Dialog) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Assign.Dialog"; }
	kln::ref<class Button> obj;
	virtual void OnClick(kln::ref<class Button> sender);
	virtual void Setup();
};

void __stdcall Foo(int a, int b);

void Dialog::Setup()
{
	kln::ref<class Dialog> me(this, true);
	int x, y = 1, n = 2; variant v; string s; double d;
	x = (kln::conv((int*)0, y + 1 ));
	x += (kln::conv((int*)0, 2 ));
	x -= (kln::conv((int*)0, v ));
	x *= (kln::conv((int*)0, s ));
	x /= (kln::conv((int*)0, d ));
	x++;
	x--;
	variant k = (kln::conv((variant*)0, 5 ));
	s += (kln::conv((string*)0, string("more") ));
	s += (kln::conv((string*)0, x ));
	v += (kln::conv((variant*)0, s ));
	v *= (kln::conv((variant*)0, 2 ));
	d /= (kln::conv((double*)0, v ));
	obj->Clicked.set(kln::conv((event*)0, this, &Dialog::OnClick ));
	obj->Size(kln::conv((int*)0, n ));
	Foo(kln::conv((int*)0, 1), kln::conv((int*)0, 2));
	Foo(kln::conv((int*)0, v), kln::conv((int*)0, s));
	// -c
	x = (y + 1 );
	x = (1 );
	obj->Clicked.set(this, &Dialog::OnClick );
	obj->Size(n );
	Foo(1, 2);
}

}
}
