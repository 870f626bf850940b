#include "child_process.h"

#include "frontend.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>

extern char** environ;

namespace kiln {
namespace {

// The current environment with LC_ALL=C, so the tools' messages are the
// untranslated ones the front-ends recognise.
std::vector<std::string> child_environment()
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "LC_ALL=", 7) != 0) env.emplace_back(*entry);
    env.emplace_back("LC_ALL=C");
    return env;
}

std::vector<char*> pointers_to(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string read_all(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            return text;
    }
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string describe_status(int status)
{
    if (WIFEXITED(status)) return "exited with status " + std::to_string(WEXITSTATUS(status));
    return "was killed by signal " + std::to_string(WTERMSIG(status));
}

[[noreturn]] void exec_in_child(int output_fd, int error_fd, std::vector<std::string> args)
{
    signal(SIGPIPE, SIG_DFL);  // the front-end ignores it; the tools get the usual behaviour
    dup2(output_fd, STDOUT_FILENO);
    dup2(output_fd, STDERR_FILENO);
    std::vector<std::string> env = child_environment();
    execvpe(args[0].c_str(), pointers_to(args).data(), pointers_to(env).data());
    int error = errno;
    ssize_t ignored = write(error_fd, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

}  // namespace

ChildResult run_child(const std::vector<std::string>& argv)
{
    int output[2], exec_error[2];
    if (pipe(output) != 0 || pipe2(exec_error, O_CLOEXEC) != 0)
        throw Failure(std::string("unable to create a pipe: ") + std::strerror(errno));
    pid_t pid = fork();
    if (pid < 0) throw Failure(std::string("unable to start a process: ") + std::strerror(errno));
    if (pid == 0) {
        close(output[0]);
        close(exec_error[0]);
        exec_in_child(output[1], exec_error[1], argv);
    }
    close(output[1]);
    close(exec_error[1]);
    std::string text = read_all(output[0]);
    close(output[0]);
    int exec_errno = 0;
    bool exec_failed = read(exec_error[0], &exec_errno, sizeof exec_errno) == sizeof exec_errno;
    close(exec_error[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    if (exec_failed) throw Failure("unable to run '" + argv[0] + "': " + std::strerror(exec_errno));
    ChildResult result;
    result.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.status = describe_status(status);
    result.output = lines_of(text);
    return result;
}

std::string failure_reason(const std::string& program, const ChildResult& result)
{
    return program + " " + result.status;
}

}  // namespace kiln
