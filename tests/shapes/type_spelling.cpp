// Generated shape: every type spelling and wrapper, and the declarations an
// importing module reads (variables, prototypes, records, classes and the
// overload set of a GENERIC method).
#include "core.h"

namespace kln
{
namespace Geo
{
	extern unsigned char b;
	extern unsigned short w;
	extern unsigned long dw;
	extern short s;
	extern int l;
	extern float f;
	extern double d;
	extern long double dec;
	extern bool flag;
	extern string text;
	extern apistring api;
	extern variant v;
	extern event e;
	extern void* any;
	extern kln::ref<class object> root;
	extern kln::array<int>  numbers;
	extern kln::collection<string>  names;
	extern kln::dictionary<variant>  table;
	const int Limit = 20;
	const double Half = 0.5;
	const double Minus = -5;
	const string Title = "Geo";

struct Point
{
	int x;
	int y;
	kln::flstring<20> name;
	double grid[3][4];
	kln::ref<class Shape> owner;
	variant tag;
};

	int __stdcall Area(int& n, kln::array<int> &, kln::ref<class Geo::Shape>&);
	extern "C" void Plain();
	void __stdcall Move(Point&, double);

class Shape: public object
{
public: Shape(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti) { return (typeid(Geo::Shape) == ti) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Geo.Shape"; }
int x;
kln::ref<class Geo::Shape> parent;
kln::collection<kln::ref<class Geo::Shape> > children;

			virtual string Caption();
			virtual void Caption(string);

			virtual kln::ref<class Geo::Shape> Owner();
			virtual void Owner(kln::ref<class Geo::Shape>);
virtual int Area();
			virtual void Store(kln::string& x);
			virtual void Store(kln::apistring& x);
			virtual void Store(ref<kln::object>& x);
			template<class T> void Store(kln::ref<T>& x) { kln::ref<kln::object> y = x; Store(y); }
			template<class T> void Store(T& x) { Store(&x, sizeof(T)); }
			virtual void Store(void*, int);
};

class Circle: public Geo::Shape
{
public: Circle(bool init = true): Geo::Shape(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti) { return (typeid(Geo::Circle) == ti) || Geo::Shape::__isbase(ti); }
virtual kln::string ClassName() { return "Geo.Circle"; }
virtual int Area();
};

static void __stdcall UseGeneric(kln::ref<class Geo::Circle> c)
{
	string s; apistring a; kln::ref<class Geo::Shape> sh; int n; variant v; Point p;
	c->Store(s);
	c->Store(a);
	c->Store(sh);
	c->Store(c);
	c->Store(n);
	c->Store(v);
	c->Store(p);
}

}
}
