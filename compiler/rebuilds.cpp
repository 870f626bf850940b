// rebuilds.cpp: runs the planned rebuilds of stale imports, one after
// another in place, or side by side, each in a process and a scratch folder
// of its own whose files and output join the current folder and the run's
// output in the planned order.
#include "compiler.h"
#include "rebuilds.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>

namespace kiln {

namespace {

namespace fs = std::filesystem;

// Compiles the job's module as a library and builds it, writing its files
// into `folder` ("" for the current folder).
void rebuild(const rebuild_job& job, const std::string& folder, session& run)
{
    // An error text from outside the nested translation (its source cannot
    // be opened, its name is illegal, its module file cannot be written)
    // surfaces in the importer's translation, at the import.
    try {
        compiler nested(job.module, run, capitalize(job.module));
        nested.output_folder = folder;
        nested.compile(true, job.debug);
        build(nested.to_build());
    } catch (const char* message) {
        throw parse_error{message, job.importer, job.line, job.column};
    } catch (const std::string& message) {
        throw parse_error{message, job.importer, job.line, job.column};
    }
}

void flush_output()
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
}

void copy_to(const fs::path& file, std::ostream& out)
{
    std::ifstream in(file, std::ios::binary);
    if (in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
    out.flush();
}

// One job running side by side. Its process writes the module's files into
// `files`, which starts with copies of the current folder's (the
// librarian updates an existing library), and its output, error output and
// error line into files beside it.
class side_job {
public:
    side_job(const rebuild_job& job, session& run) : job_(job)
    {
        std::string pattern = ".kln-rebuild-" + capitalize(job.module) + ".XXXXXX";
        if (!mkdtemp(&pattern[0])) throw "Error creating a build folder for module '" + job.module + "'";
        scratch_ = fs::absolute(pattern);
        fs::create_directory(files());
        for (const std::string& name : library_build_files(capitalize(job.module))) seed(name);
        flush_output();
        pid_ = fork();
        if (pid_ < 0) throw "Error starting the rebuild of module '" + job.module + "'";
        if (pid_ == 0) run_child(run);
        setpgid(pid_, pid_);
    }

    ~side_job()
    {
        if (pid_ > 0 && !finished_) {
            kill(-pid_, SIGKILL);
            int status;
            while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
        }
        std::error_code ignored;
        fs::remove_all(scratch_, ignored);
    }

    side_job(const side_job&) = delete;
    side_job& operator=(const side_job&) = delete;

    pid_t pid() const { return pid_; }
    bool finished() const { return finished_; }
    void finish(int status)
    {
        finished_ = true;
        succeeded_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    // Prints the job's output, moves its files into the current folder, and
    // throws its error when it failed.
    void commit()
    {
        copy_to(scratch_ / "output", std::cout);
        copy_to(scratch_ / "errors", std::cerr);
        for (const std::string& name : library_build_files(capitalize(job_.module)))
            if (!fs::exists(files() / name)) std::remove(name.c_str());
        for (const fs::directory_entry& entry : fs::directory_iterator(files()))
            fs::rename(entry.path(), entry.path().filename());
        if (succeeded_) return;
        std::ifstream error_file(scratch_ / "error-line", std::ios::binary);
        std::string line;
        if (!std::getline(error_file, line)) line = "Error: internal compiler error";
        throw reported_error{line};
    }

private:
    const rebuild_job& job_;
    fs::path scratch_;
    pid_t pid_ = -1;
    bool finished_ = false;
    bool succeeded_ = false;

    fs::path files() const { return scratch_ / "files"; }

    // A copy with the original's time, so that an untouched file goes back
    // as it was.
    void seed(const std::string& name)
    {
        std::error_code error;
        if (!fs::is_regular_file(name, error)) return;
        fs::copy_file(name, files() / name);
        fs::last_write_time(files() / name, fs::last_write_time(name));
    }

    [[noreturn]] void run_child(session& run)
    {
        setpgid(0, 0);
        redirect(STDOUT_FILENO, scratch_ / "output");
        redirect(STDERR_FILENO, scratch_ / "errors");
        int status = 0;
        try {
            rebuild(job_, files().string() + "/", run);
        } catch (...) {
            std::ofstream(scratch_ / "error-line", std::ios::binary) << error_line_of_current_exception() << "\n";
            status = 1;
        }
        flush_output();
        _exit(status);
    }

    static void redirect(int descriptor, const fs::path& file)
    {
        int opened = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (opened < 0) _exit(1);
        dup2(opened, descriptor);
        close(opened);
    }
};

// Starts each job once the jobs it needs are committed, up to `limit` at a
// time, and commits the jobs in list order as they finish.
void run_side_by_side(const std::vector<rebuild_job>& jobs, int limit, session& run)
{
    std::vector<std::unique_ptr<side_job>> started(jobs.size());
    size_t committed = 0;
    int running = 0;
    while (committed < jobs.size()) {
        for (size_t i = committed; i < jobs.size() && running < limit; ++i) {
            bool ready = !started[i];
            for (size_t needed : jobs[i].needs) ready = ready && needed < committed;
            if (!ready) continue;
            started[i].reset(new side_job(jobs[i], run));
            ++running;
        }
        if (started[committed] && started[committed]->finished()) {
            started[committed]->commit();
            started[committed++].reset();
            continue;
        }
        int status;
        pid_t pid = waitpid(-1, &status, 0);
        if (pid < 0) {
            if (errno == EINTR) continue;
            throw "Error waiting for a rebuild";
        }
        for (auto& job : started)
            if (job && job->pid() == pid) {
                job->finish(status);
                --running;
            }
    }
}

}  // namespace

void run_rebuilds(const std::vector<rebuild_job>& jobs, int limit, session& run)
{
    if (limit > 1 && jobs.size() > 1) {
        run_side_by_side(jobs, limit, run);
        return;
    }
    for (const rebuild_job& job : jobs) rebuild(job, "", run);
}

}  // namespace kiln
