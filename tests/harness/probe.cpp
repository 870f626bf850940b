// probe echo STATUS | probe hang
//
// A Windows program for the harness's own tests: "echo" copies its standard
// input to its standard output (in text mode, so lines end in CR LF) and
// exits with STATUS; "hang" never ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "hang") == 0) {
        Sleep(INFINITE);
        return 0;
    }
    if (argc != 3 || std::strcmp(argv[1], "echo") != 0) {
        std::fprintf(stderr, "usage: probe echo STATUS | probe hang\n");
        return 2;
    }
    char line[1024];
    while (std::fgets(line, sizeof line, stdin)) std::fputs(line, stdout);
    return std::atoi(argv[2]);
}
