// Generated shape: member access, properties, class checks and SUPER.
#include "core.h"

namespace kln
{
namespace Shapes
{

class Shape: public object
{
public: Shape(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Shape) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Shapes.Shape"; }
	int x; event Clicked;
	virtual string Name();
	virtual void Name(string);
	virtual kln::ref<class Shape> Owner();
	virtual kln::ref<class Shape> GetChild();
	virtual int Area();
	virtual void Draw(int x);
	virtual void OnClick(kln::ref<class Shape> sender);
};

class Circle: public Shape
{
public: Circle(bool init = true): Shape(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Circle) == ti ) || Shape::__isbase(ti); }
virtual kln::string ClassName() { return "Shapes.Circle"; }
	virtual void Draw(int x);
};

struct Rect
{
	int x;
	int y;
};

void Circle::Draw(int x)
{
	kln::ref<class Circle> me(this, true);
	Shape::Draw(x);
	Clicked.set(kln::conv((event*)0, this, &Shape::OnClick ));
	Clicked.set(this, &Shape::OnClick );
}

static void __stdcall Access(kln::ref<class Shape> obj, kln::ref<class Shape>& p)
{
	Rect r; int n; variant v; bool b;
	n = (kln::conv((int*)0, r.x ));
	n = (kln::conv((int*)0, obj->x ));
	v = (kln::conv((variant*)0, obj->Area() * 2 ));
	v = (kln::conv((variant*)0, p->Name() ));
	p->Name(kln::conv((string*)0, string("new name") ));
	p->Name(kln::conv((string*)0, v ));
	v = (kln::conv((variant*)0, p->Owner()->Name() ));
	v = (kln::conv((variant*)0, obj->GetChild()->Name() ));
	b = (kln::conv((bool*)0, obj->__isa(typeid(Circle)) ));
	b = (kln::conv((bool*)0, obj->__isbase(typeid(Shape)) ));
	b = obj->GetChild()->__isbase(typeid(Circle));
}

class Dialog: public object
{
public: Dialog(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Dialog) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Shapes.Dialog"; }
	kln::ref<class Shape> obj;
	virtual void OnClick(kln::ref<class Shape> sender);
	virtual void Wire();
};

void Dialog::Wire()
{
	kln::ref<class Dialog> me(this, true);
	obj->Clicked.set(kln::conv((event*)0, this, &Dialog::OnClick ));
	obj->Clicked.set(this, &Dialog::OnClick );
	obj->Clicked.raise(obj);
}

}
}
