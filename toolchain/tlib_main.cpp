#include "frontend.h"
#include "tlib.h"

int main(int argc, char** argv)
{
    return kiln::run_frontend("tlib", "Kiln front-end to " + kiln::cross_archiver, argc, argv,
                              kiln::run_tlib);
}
