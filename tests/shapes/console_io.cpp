// Generated shape: PRINT, INPUT, LINE INPUT and REDIM.
#include "core.h"

namespace kln
{
namespace Io
{

static void __stdcall Console()
{
	int i; unsigned char by; unsigned short w; unsigned long dw; short sh; float f; double d; long double dec; bool b;
	string s; apistring a; variant v; kln::flstring<10> fl;
	kln::array<int>  arr(10, 0); kln::array<string>  names; 
	print << string("a") << i << string("\r\n"); 
	print << by << w << dw << sh << f << d << dec << b << string("\r\n"); 
	print << s << a << v << fl; 
	print << v + 1 << s + string("x") << (1 == v) << arr(1) << string("\r\n"); 
	print << 4294967295 << 2.5 << string("\r\n"); 
	input >> i; 
	input >> by; 
	input >> w; 
	input >> dw; 
	input >> sh; 
	input >> f; 
	input >> d; 
	input >> dec; 
	input >> b; 
	input >> s; 
	input >> a; 
	input >> v; 
	input >> arr(2); 
	input.line(s);
	input.line(names(0));
	arr.redim(10, 0);
	arr.redim(1, 5, 3, 0);
	arr.redim();
	names.redim(i, 0);
	names.redim(1, i, v, 0, 1, 2, 3, 4);
}

}
}
