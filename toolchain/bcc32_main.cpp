#include "bcc32.h"
#include "frontend.h"

int main(int argc, char** argv)
{
    return kiln::run_frontend("bcc32", "Kiln front-end to " + kiln::cross_compiler, argc, argv,
                              kiln::run_bcc32);
}
