// Generated shape: TYPE structures with fixed-length strings, static
// arrays, references and variants.
#include "core.h"

namespace kln
{
namespace Recs
{

class Item;

struct Point
{
	int x;
	int y;
};

struct Record
{
	int x;
	kln::flstring<20>  name;
	double grid[3][4];
	kln::ref<class Item> owner;
	variant flag;
	int a[11];
	int b[5];
	Point where;
	unsigned short w;
	apistring api;
	string s;
};

class Item: public object
{
public: Item(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(Item) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "Recs.Item"; }
	Record data;
};

	Record r; 
	kln::array<Point>  points(5, 0); 
	kln::collection<Point>  trail; 

static void __stdcall Use(Record& rec, Point& p)
{
	string s; variant v; int n;
	rec.name = (kln::conv((kln::flstring<20> *)0, string("Name") ));
	rec.name = (kln::conv((kln::flstring<20> *)0, s ));
	rec.name = (s );
	rec.name = (v );
	s = (kln::conv((string*)0, rec.name ));
	v = (kln::conv((variant*)0, rec.name ));
	n = (kln::conv((int*)0, rec.name ));
	print << rec.name << string("\r\n");
	rec.grid[1][2] = (kln::conv((double*)0, 2.5 ));
	rec.a[3] = (kln::conv((int*)0, rec.grid[1][2] ));
	rec.where = p;
	rec.where.x = (kln::conv((int*)0, p.y ));
	points(1) = p;
	trail.add(kln::conv((Point*)0, p));
	p = (kln::conv((Point*)0, points(1) ));
	rec.flag = (kln::conv((variant*)0, rec.name ));
	Use(r, r.where);
}

}
}
