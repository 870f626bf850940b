// kforge-editorbench: the editor's benchmarks, run under Wine by
// bench/editor/run. Prints one line of figures:
//   kforge-editorbench open FILE RUNS        opening FILE to the first paint
//   kforge-editorbench keys FILE LINE KEYS   keystrokes at the end of LINE (1-based)
// A run that cannot measure prints "error: ..." and ends with status 1;
// bad arguments end with status 2.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "BenchFrame.h"
#include "CodeEdit.h"
#include "CommonControls.h"
#include "EditorBenches.h"

namespace {

constexpr int kFrameWidth = 1260, kFrameHeight = 980;

int Usage()
{
    std::fprintf(stderr, "usage: kforge-editorbench open FILE RUNS | keys FILE LINE KEYS\n");
    return 2;
}

// A positive number, or 0 for anything else.
int Positive(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *text && !*end && value > 0 && value < 1000000 ? static_cast<int>(value) : 0;
}

std::string Run(kforge::BenchFrame& frame, int argc, char** argv)
{
    const std::string mode = argv[1];
    if (mode == "open" && argc == 4 && Positive(argv[3])) {
        return kforge::RunOpenBench(frame, argv[2], Positive(argv[3]));
    }
    if (mode == "keys" && argc == 5 && Positive(argv[3]) && Positive(argv[4])) {
        return kforge::RunKeyBench(frame, argv[2], Positive(argv[3]) - 1, Positive(argv[4]));
    }
    return "";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) { return Usage(); }
    kforge::InitCommonControlsOnce();
    kforge::CodeEdit::RegisterEngine();
    kforge::BenchFrame frame;
    if (!frame.CreateMain(kFrameWidth, kFrameHeight)) {
        std::fprintf(stderr, "error: the bench window was not created\n");
        return 1;
    }
    try {
        const std::string figures = Run(frame, argc, argv);
        if (figures.empty()) { return Usage(); }
        std::printf("%s\n", figures.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    return 0;
}
