#include "frontend.h"
#include "ilink32.h"

int main(int argc, char** argv)
{
    return kiln::run_frontend("ilink32", "Kiln front-end to " + kiln::cross_compiler, argc, argv,
                              kiln::run_ilink32);
}
