#include "tests/support/ScalectlProcess.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
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
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, outName, O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errName, O_WRONLY | O_TRUNC, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    ScalectlOutcome outcome;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        outcome.exitCode = WEXITSTATUS(status);
    outcome.out = contentsOf(outName);
    outcome.err = contentsOf(errName);
    std::remove(outName);
    std::remove(errName);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    return outcome;
}
