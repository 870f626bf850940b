// Generated shape: CONST and ENUM declarations and their use.
#include "core.h"

namespace kln
{
namespace Consts
{
	// const Max = 20
	const int Max = 20;
	const double Ratio = 2.5;
	const double Minus = -5;
	const string Title = "Consts";
	const int H = 17;
	// const X = 2
	const int Red = 0;
	const int Green = 5;
	const int Blue = 6;
	const int K = 7;

static void __stdcall Use()
{
	int c; 
	variant v; string s;
	c = (kln::conv((int*)0, Max + 1 ));
	v = (kln::conv((variant*)0, Ratio * 2 ));
	s = (kln::conv((string*)0, string("Consts") + string(" ") + Title ));
	v = (kln::conv((variant*)0, Blue + 1 ));
	c = (kln::conv((int*)0, 4294967295 ));
	c = (kln::conv((int*)0, 2147483648 ));
}

}
}
