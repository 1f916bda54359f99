#include "tests/support/ScalectlProcess.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Starts program with args, its standard input from /dev/null and the other two as files arranges;
// the process id, -1 when it could not be started.
pid_t spawn(const std::string& program, const std::vector<std::string>& args,
            posix_spawn_file_actions_t& files) {
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    return spawned == 0 ? pid : -1;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::vector<std::string> ScalectlOutcome::errLines() const {
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

ScalectlOutcome runScalectl(const std::string& program, const std::vector<std::string>& args) {
    char outName[] = "/tmp/scalectl-out-XXXXXX";
    char errName[] = "/tmp/scalectl-err-XXXXXX";
    ::close(mkstemp(outName));
    ::close(mkstemp(errName));
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, outName, O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errName, O_WRONLY | O_TRUNC, 0);
    pid_t pid = spawn(program, args, files);
    ScalectlOutcome outcome;
    outcome.exitCode = exitCodeOf(pid);
    outcome.out = contentsOf(outName);
    outcome.err = contentsOf(errName);
    std::remove(outName);
    std::remove(errName);
    if (pid < 0)
        throw std::runtime_error("cannot start " + program);
    return outcome;
}

ScalectlRun::ScalectlRun(const std::string& program, const std::vector<std::string>& args) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&files, ends[1], STDERR_FILENO);
    pid = spawn(program, args, files);
    ::close(ends[1]);
    errPipe = ends[0];
    if (pid < 0) {
        ::close(errPipe);
        throw std::runtime_error("cannot start " + program);
    }
}

ScalectlRun::~ScalectlRun() {
    exitCode();
    ::close(errPipe);
}

std::optional<std::string> ScalectlRun::nextErrLine(std::chrono::milliseconds wait) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    while (buffered.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        pollfd p{errPipe, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0)
            return std::nullopt;
        char chunk[512];
        ssize_t n = read(errPipe, chunk, sizeof chunk);
        if (n <= 0)
            return std::nullopt;
        buffered.append(chunk, size_t(n));
    }
    size_t end = buffered.find('\n');
    std::string line = buffered.substr(0, end);
    buffered.erase(0, end + 1);
    return line;
}

int ScalectlRun::exitCode() {
    if (pid > 0) {
        code = exitCodeOf(pid);
        pid = -1;
    }
    return code;
}
