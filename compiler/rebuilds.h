// rebuilds.h: running the planned rebuilds of stale imports (rebuilds.cpp).
#pragma once

#include <string>
#include <vector>

namespace kiln {

struct session;

// One stale or missing import to compile as a library and build.
struct rebuild_job {
    std::string module;  // the spelling it is compiled under
    bool debug = false;
    // Where the importer's translation loads it: an error of opening its
    // source is reported there, as an error of the importer.
    std::string importer;
    int line = 0;
    int column = 0;
    std::vector<size_t> needs;  // the earlier jobs whose module files its translation reads
};

// Runs the jobs, up to `limit` side by side, leaving the files and printing
// the output that running them one after another in list order gives, and
// throws the error of the first that fails in that order. Side by side, each
// job runs in a process and a scratch folder of its own, starts once the jobs
// it needs are in place, and its files and output join the current folder
// and the run's output in list order.
void run_rebuilds(const std::vector<rebuild_job>& jobs, int limit, session& run);

}  // namespace kiln
