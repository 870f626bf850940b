// Start-up of DLLs: the entry point, the once-only initialisation of the
// DLL's modules, the calls of its EXPORTed procedures and the texts they
// return.
//
// The modules are initialised on the first call of any exported entry, not
// from the entry point: the system runs the entry point holding its loader
// lock, and module initialisation loads libraries (the DLL loaders), which
// must not happen under that lock. The entry point finalises the modules
// when the DLL is unloaded: by FreeLibrary, when the libraries that the
// DLL loaded are released afterwards; or at the end of the process, when
// they are left to the system (some of them may already have been detached
// by then, so a finalization should not depend on them).
#include "runtime.h"

#include <stdio.h>
#include <stdlib.h>
#include <windows.h>
#include <exception>
#include <new>

extern "C" void __init_all();
extern "C" void __final_all();

namespace kln {
namespace {
enum : LONG { modules_waiting, modules_starting, modules_running };

// The state changes under start_lock; modules_running is read without it.
// The lock is recursive, so an initialization that calls an entry of its
// own DLL goes on, while other threads wait for it to finish.
CRITICAL_SECTION start_lock;
volatile LONG modules_state = modules_waiting;

bool host_is_console()
{
    const char* host = reinterpret_cast<const char*>(GetModuleHandleA(NULL));
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        host + reinterpret_cast<const IMAGE_DOS_HEADER*>(host)->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}

// An error of the initialization ends the process here, holding the lock,
// so no other thread enters the DLL half initialised.
void initialise_modules()
{
    if (__atomic_load_n(&modules_state, __ATOMIC_ACQUIRE) == modules_running) return;
    EnterCriticalSection(&start_lock);
    if (modules_state == modules_waiting) {
        modules_state = modules_starting;
        __install_fault_handler();
        try {
            call_guarded(__init_all);
        } catch (...) {
            __end_for_exception();
        }
        __atomic_store_n(&modules_state, modules_running, __ATOMIC_RELEASE);
    }
    LeaveCriticalSection(&start_lock);
}

void finalise_modules(bool process_ending)
{
    if (modules_state != modules_running || __ending) return;
    modules_state = modules_waiting;
    try {
        call_guarded(__final_all);
    } catch (...) {
        __end_for_exception();
    }
    if (!process_ending) __release_libs();
    fflush(stdout);
}

// --- texts returned by exported entries -------------------------------------------

// One thread's kept texts, slot i for the entry whose __export_text has slot i.
struct thread_texts {
    thread_texts* next;
    int count;
    string* texts;
};

int slot_count = 0;  // __export_text objects, numbered during static initialisation
DWORD texts_index = TLS_OUT_OF_INDEXES;
CRITICAL_SECTION texts_lock;  // guards the list
thread_texts* all_texts = nullptr;

void free_texts(thread_texts* kept)
{
    for (int i = 0; i < kept->count; ++i) kept->texts[i].~string();
    free(kept->texts);
    free(kept);
}

thread_texts* this_thread_texts()
{
    thread_texts* kept = static_cast<thread_texts*>(TlsGetValue(texts_index));
    if (kept) return kept;
    kept = static_cast<thread_texts*>(malloc(sizeof(thread_texts)));
    string* texts = static_cast<string*>(malloc(sizeof(string) * static_cast<std::size_t>(slot_count)));
    if (!kept || !texts) {
        free(kept);
        free(texts);
        __out_of_memory();
    }
    kept->count = slot_count;
    kept->texts = texts;
    for (int i = 0; i < slot_count; ++i) new (&texts[i]) string(string::from_handle(nullptr));
    EnterCriticalSection(&texts_lock);
    kept->next = all_texts;
    all_texts = kept;
    LeaveCriticalSection(&texts_lock);
    TlsSetValue(texts_index, kept);
    return kept;
}

void release_thread_texts()
{
    thread_texts* kept = static_cast<thread_texts*>(TlsGetValue(texts_index));
    if (!kept) return;
    TlsSetValue(texts_index, nullptr);
    EnterCriticalSection(&texts_lock);
    thread_texts** link = &all_texts;
    while (*link != kept) link = &(*link)->next;
    *link = kept->next;
    LeaveCriticalSection(&texts_lock);
    free_texts(kept);
}

void release_all_texts()
{
    while (all_texts) {
        thread_texts* kept = all_texts;
        all_texts = kept->next;
        free_texts(kept);
    }
}

// --- the entry point -----------------------------------------------------------------

// A failed attach is followed by a detach.
BOOL attach()
{
    InitializeCriticalSection(&start_lock);
    InitializeCriticalSection(&texts_lock);
    __installed_report = &fatal_error;
    std::set_terminate(&__terminate_process);
    texts_index = TlsAlloc();
    return texts_index != TLS_OUT_OF_INDEXES;
}

// At the end of the process other threads are gone and memory goes with
// the process: only the finalizations run.
void detach(bool process_ending)
{
    finalise_modules(process_ending);
    __remove_fault_handler();
    if (process_ending) return;
    release_all_texts();
    TlsFree(texts_index);
    DeleteCriticalSection(&texts_lock);
    DeleteCriticalSection(&start_lock);
}
}  // namespace

// The host's kind decides the report: a console line or the message box.
[[noreturn]] void fatal_error(const string& message)
{
    if (host_is_console()) __report_console(message);
    __report_windowed(message);
}

void __export_call(void (*call)(void*), void* context)
{
    initialise_modules();
    try {
        call_guarded(call, context);
    } catch (...) {
        __end_for_exception();
    }
}

__export_text::__export_text() : slot(slot_count++) {}

const char* __export_text::keep(const string& s) const
{
    string& kept = this_thread_texts()->texts[slot];
    kept = s;
    const char* text = kept.chars();
    return text ? text : "";
}
}  // namespace kln

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return kln::attach();
        case DLL_THREAD_DETACH:
            kln::release_thread_texts();
            break;
        case DLL_PROCESS_DETACH:
            kln::detach(reserved != nullptr);
            break;
    }
    return TRUE;
}
