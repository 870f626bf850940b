// The fault guard of the start-up objects. A vectored exception handler,
// active while call_guarded runs, turns a processor fault raised inside the
// image that links this guard (the program, or a DLL) into a thrown
// kln::string: it redirects the faulting context to a trampoline that
// throws, so the fault unwinds like a THROW (every unit is compiled with
// -fnon-call-exceptions). In a program, faults outside the image reach the
// unhandled-exception filter; a stack overflow is reported at once, on a
// reserve stack.
#include "runtime.h"

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;  // the start of this image, from the linker

namespace kln {
namespace {
// Guarded calls in progress, on any thread (a DLL may be called from several).
volatile LONG guard_depth = 0;
PVOID fault_handler_handle = nullptr;
const char* pending_message = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER previous_filter = nullptr;
DWORD image_begin = 0, image_end = 0;

// The reports run on this stack after a stack overflow (and for faults
// outside the image), away from the stack that faulted.
alignas(16) char reserve_stack[256 * 1024];

struct guard_scope {
    guard_scope() { InterlockedIncrement(&guard_depth); }
    ~guard_scope() { InterlockedDecrement(&guard_depth); }
};

bool inside_image(DWORD address) { return address >= image_begin && address < image_end; }

void find_image()
{
    const IMAGE_DOS_HEADER* dos = &__ImageBase;
    const IMAGE_NT_HEADERS* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
    image_begin = reinterpret_cast<DWORD>(dos);
    image_end = image_begin + nt->OptionalHeader.SizeOfImage;
}
}  // namespace

// Entered instead of the faulting instruction, with a return address inside
// it (one past its start), so the unwinder finds that instruction's entry.
extern "C" __attribute__((noinline, used)) void __kln_throw_fault()
{
    asm volatile("fnclex");
    throw string(pending_message);
}

// Entered on the reserve stack; never returns.
extern "C" __attribute__((noinline, used, noreturn)) void __kln_report_fault()
{
    asm volatile("fnclex");
    __fatal(string(pending_message));
}

namespace {
void clear_fpu_exceptions(CONTEXT* context) { context->FloatSave.StatusWord &= ~0x80FFu; }

void redirect_to_throw(CONTEXT* context)
{
    clear_fpu_exceptions(context);
    context->Esp -= 4;
    *reinterpret_cast<DWORD*>(context->Esp) = context->Eip + 1;
    context->Eip = reinterpret_cast<DWORD>(&__kln_throw_fault);
}

void redirect_to_report(CONTEXT* context)
{
    clear_fpu_exceptions(context);
    context->Esp = reinterpret_cast<DWORD>(reserve_stack + sizeof reserve_stack - 64);
    context->Ebp = 0;
    context->Eip = reinterpret_cast<DWORD>(&__kln_report_fault);
}

LONG CALLBACK fault_handler(EXCEPTION_POINTERS* info)
{
    const char* message = seh_to_message(info->ExceptionRecord->ExceptionCode);
    if (guard_depth <= 0 || !message) return EXCEPTION_CONTINUE_SEARCH;
    pending_message = message;
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_STACK_OVERFLOW) {
        redirect_to_report(info->ContextRecord);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    if (!inside_image(info->ContextRecord->Eip)) return EXCEPTION_CONTINUE_SEARCH;
    redirect_to_throw(info->ContextRecord);
    return EXCEPTION_CONTINUE_EXECUTION;
}

LONG WINAPI unhandled_filter(EXCEPTION_POINTERS* info)
{
    const char* message = seh_to_message(info->ExceptionRecord->ExceptionCode);
    if (!message) return previous_filter ? previous_filter(info) : EXCEPTION_CONTINUE_SEARCH;
    pending_message = message;
    redirect_to_report(info->ContextRecord);
    return EXCEPTION_CONTINUE_EXECUTION;
}
}  // namespace

const char* seh_to_message(unsigned code)
{
    switch (code) {
        case 0xC0000005:
            return "access violation";
        case 0xC000008E:
            return "division by zero";
        case 0xC0000094:
            return "division by zero";
        case 0xC0000090:
            return "floating-point error";
        case 0xC000001D:
            return "illegal instruction";
        case 0xC00000FD:
            return "stack overflow";
        default:
            return nullptr;
    }
}

void __install_fault_handler()
{
    if (fault_handler_handle) return;
    find_image();
    fault_handler_handle = AddVectoredExceptionHandler(1, fault_handler);
}

void __remove_fault_handler()
{
    if (!fault_handler_handle) return;
    RemoveVectoredExceptionHandler(fault_handler_handle);
    fault_handler_handle = nullptr;
}

void __install_fault_filters()
{
    if (fault_handler_handle) return;
    __install_fault_handler();
    previous_filter = SetUnhandledExceptionFilter(unhandled_filter);
}

void call_guarded(void (*routine)())
{
    guard_scope scope;
    routine();
}

void call_guarded(void (*routine)(void*), void* context)
{
    guard_scope scope;
    routine(context);
}
}  // namespace kln
