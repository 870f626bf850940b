// fuzz_kln.cpp: a fuzz harness of kln for sources and module files, built by
// hand with clang's libFuzzer and the sanitizers; not part of the build or CI.
//
// Build (from the source folder, after a normal build has made
// build/compiler/generated and build/kiln/lib/System.kmd):
//
//   for mode in source module; do
//     clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -DFUZZ_MODE_$mode \
//         -Icompiler -Itoolchain -Ibuild/compiler/generated -o build/fuzz-$mode \
//         compiler/fuzz/fuzz_kln.cpp toolchain/file_names.cpp $(ls compiler/*.cpp | grep -v /main.cpp)
//   done
//
// Run (KILN_FUZZ_BASE is the tool chain whose lib/ holds System.kmd; symbol
// records live as long as a compilation's process, so leaks are not checked;
// libFuzzer changes into a scratch folder, so its folders are absolute):
//
//   export KILN_FUZZ_BASE=$PWD/build/kiln/ ASAN_OPTIONS=detect_leaks=0
//   mkdir -p build/fuzz-corpus-source build/fuzz-corpus-module
//   build/fuzz-source -fork=2 -timeout=20 -max_total_time=600 -max_len=4096 \
//       -artifact_prefix=$PWD/build/fuzz-source- $PWD/build/fuzz-corpus-source $PWD/lib
//   build/fuzz-module -fork=2 -timeout=20 -max_total_time=600 -max_len=8192 \
//       -artifact_prefix=$PWD/build/fuzz-module- $PWD/build/fuzz-corpus-module $PWD/build/kiln/lib
//
// Source mode compiles the input as a library module with debug marks and,
// when that succeeds, a module that imports it, so that every module file
// the writer makes is read back. Module mode reads the input as the module
// file of an imported module. Every input must end in success or in one of
// the errors that kln reports; a crash, a hang, a sanitizer report or any
// other thrown kind is a finding. No tool runs: PATH is emptied.
#include "compiler.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace kiln;

std::string base_folder()
{
    const char* base = std::getenv("KILN_FUZZ_BASE");
    if (!base) {
        std::fprintf(stderr, "fuzz_kln: set KILN_FUZZ_BASE to the tool chain folder (ending in '/')\n");
        std::abort();
    }
    return base;
}

// A scratch folder of this process, made the current folder once and
// removed when the process ends.
void enter_scratch_folder()
{
    static std::string folder;
    if (!folder.empty()) return;
    char name[] = "/tmp/kln-fuzz-XXXXXX";
    if (!mkdtemp(name) || chdir(name) != 0) std::abort();
    folder = name;
    std::atexit([] { std::filesystem::remove_all(folder); });
    setenv("PATH", "/nonexistent", 1);
}

void write_file(const char* name, const uint8_t* data, size_t size)
{
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

void write_text(const char* name, const std::string& text)
{
    write_file(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// Compiles one module as kln -p would; true when it succeeded. The errors
// that kln reports end the compilation and are expected.
bool compile(const std::string& name, bool library)
{
    session run;
    run.basedir = base_folder();
    try {
        compiler c(name, run);
        c.compile(library, true);
        c.output.close();
        return true;
    } catch (const parse_error&) {
    } catch (const tool_failure&) {
    } catch (const std::string&) {
    } catch (const char*) {
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    enter_scratch_folder();
    std::remove("Fuzz.kln");
    std::remove("Fuzz.kmd");
#ifdef FUZZ_MODE_source
    write_file("Fuzz.kln", data, size);
    if (!compile("Fuzz", true)) return 0;
    write_text("Importer.kln", "USING Fuzz\nSUB Main\nEND SUB\n");
#else
    write_file("Fuzz.kmd", data, size);
    write_text("Importer.kln", "USING Fuzz\nSUB Main\nEND SUB\n");
#endif
    compile("Importer", false);
    std::remove("Importer.kln");
    return 0;
}
