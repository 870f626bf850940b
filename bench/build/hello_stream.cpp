// Hello.kln in hand-written C++ with <iostream>, the usual textbook form.
#include <iostream>

int main()
{
    std::cout << "Hello, world!\n";
    return 0;
}
