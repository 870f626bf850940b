// Shape of the #CPP code of the GUI library: the fatal-error names and the
// handler trampolines.
#include "core.h"

namespace kln
{
namespace KApp
{

class ePreInit: public object
{
public: ePreInit(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(ePreInit) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "KApp.ePreInit"; }
	int Mode;
};

class KWnd: public object
{
public: KWnd(bool init = true): object(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }
virtual bool __isbase(const type_info& ti){ return (typeid(KWnd) == ti ) || object::__isbase(ti); }
virtual kln::string ClassName() { return "KApp.KWnd"; }
	int OnPreInit;
	virtual int WindowProc(int h, int Msg, int wParam, int lParam);
};

static int __stdcall ObjectWndProc(int h, int Msg, int wParam, int lParam)
{
	int result;
	void* o = (void*)h;
	if (kln::__fatal_active) return 0;
	try { return ((kln::KApp::KWnd*)o)->WindowProc(h, Msg, wParam, lParam); }
	catch (const kln::string& e) { kln::__fatal(e); }
	catch (kln::end&) { kln::__end_program(); }
	catch (...) { kln::__unhandled(); }
	return result;
}

static void __stdcall Raise(kln::ref<class KWnd> w)
{
	kln::ref<class ePreInit> e = kln::ref<class ePreInit>(new (class ePreInit));
	if (w->OnPreInit) kln::__call_event(w->OnPreInit, e);
	int args[4] = { 1, 2, 3, 4 };
	int r = kln::__call_proc(w->OnPreInit, 4, args);
}

}
}
