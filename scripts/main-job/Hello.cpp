// The program the main job builds and runs while kln cannot build a sample
// yet: a C++ program that shows the front-ends produce a working Windows
// console program.
#include <cstdio>

int main() {
    std::printf("Hello from a Windows program built by the Kiln front-ends\n");
    return 0;
}
