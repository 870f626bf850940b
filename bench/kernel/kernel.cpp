// The numeric kernel of bench/kernel in hand-written C++: the same
// computation as Kernel.kln, printing the same checksum.
#include <cstdio>

static double checksum(int n)
{
    int acc = 0;
    double s = 0;
    for (int i = 1; i <= n; ++i) {
        double x = i * 0.5;
        for (int j = 1; j <= n; ++j) {
            acc = (acc * 7 + (i ^ j)) % 1000003;
            s = s + x * (j % 7);
        }
    }
    return s + acc;
}

int main()
{
    std::printf("%.16g\n", checksum(14000));
    return 0;
}
