// Run-time benchmarks: each measures a Kiln run-time operation against the
// standard-library equivalent in the same run and prints the ratio
// (Kiln time / reference time).
#include <chrono>
#include <memory>
#include <string>

namespace kln {
namespace Bench {
typedef std::chrono::steady_clock clock;

volatile int sink = 0;

// Seconds taken by `work`, the best of `rounds` runs.
template<class F> double seconds(F work, int rounds = 3)
{
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        clock::time_point start = clock::now();
        work();
        double s = std::chrono::duration<double>(clock::now() - start).count();
        if (s < best) best = s;
    }
    return best;
}

static void report(const char* name, double kiln_time, double reference_time)
{
    print << string(name) << string(": ") << kiln_time * 1000 << string(" ms against ")
          << reference_time * 1000 << string(" ms, ratio ") << kiln_time / reference_time << string("\r\n");
}

const int appends = 200000;

static void string_building()
{
    double reference = seconds(
        [] {
            std::string s;
            for (int i = 0; i < appends; ++i) s += "x";
            sink = (int)s.size();
        },
        5);
    double append = seconds(
        [] {
            string s;
            for (int i = 0; i < appends; ++i) s += (kln::conv((string*)0, string("x")));
            sink = s.length();
        },
        5);
    report("string s += \"x\" (200000 times)", append, reference);
    double concat = seconds(
        [] {
            string s;
            for (int i = 0; i < appends; ++i) s = (kln::conv((string*)0, s + string("x")));
            sink = s.length();
        },
        1);
    report("string s = s + \"x\" (200000 times)", concat, reference);
}

class Small : public object {
public:
    Small(bool init = true) : object(false)
    {
        if (init) {
            __refcnt++;
            Initialize();
            __refcnt--;
        }
    }
    virtual bool __isbase(const type_info& ti) { return (typeid(Small) == ti) || object::__isbase(ti); }
    virtual kln::string ClassName() { return "Bench.Small"; }
    int value;
};

struct Plain {
    virtual ~Plain() {}
    int value = 0;
};

const int objects = 1000000;

static void object_churn()
{
    double reference = seconds([] {
        for (int i = 0; i < objects; ++i) {
            std::shared_ptr<Plain> p = std::make_shared<Plain>();
            std::shared_ptr<Plain> q = p;
            sink = q->value;
        }
    });
    double kiln = seconds([] {
        for (int i = 0; i < objects; ++i) {
            kln::ref<class Small> p = kln::ref<class Small>(new (class Small));
            kln::ref<class Small> q = p;
            sink = q->value;
        }
    });
    report("ref<> object churn (1000000 objects)", kiln, reference);
}

const int steps = 2000000;

static void variant_arithmetic()
{
    double reference = seconds([] {
        volatile double x = 0;
        for (int i = 0; i < steps; ++i) x = x * 0.5 + i - 1;
        sink = (int)x;
    });
    double kiln = seconds([] {
        variant x = 0;
        for (int i = 0; i < steps; ++i) x = (kln::conv((variant*)0, x * 0.5 + i - 1));
        sink = (int)(double)x;
    });
    report("variant arithmetic (2000000 steps)", kiln, reference);
}

extern "C" void Main()
{
    string_building();
    object_churn();
    variant_arithmetic();
}

struct initialization {
    initialization();
};
initialization::initialization()
// DLL loader
{
}
struct finalization {
    ~finalization();
};
finalization::~finalization()
/* DLL unloader */ { kln::unloadlibs(); }

struct __init_and_final {
    Bench::initialization __init_Bench;
    Bench::finalization __final_Bench;
} * __init_and_final_ptr;

extern "C" void __init_all() { __init_and_final_ptr = new __init_and_final; }
extern "C" void __final_all() { delete __init_and_final_ptr; }
}  // namespace Bench
}  // namespace kln
