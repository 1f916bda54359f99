// scalectl run as a process, the way a script or cron runs it: its exit code and everything it wrote
// on standard output and standard error, each captured whole.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct ScalectlOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    // The lines of err, without their line ends.
    std::vector<std::string> errLines() const;
};

ScalectlOutcome runScalectl(const std::string& program, const std::vector<std::string>& args);

// scalectl left running while its standard error is read line by line as it comes, to see what it
// has written by the time something else happens. Standard output is dropped.
class ScalectlRun {
public:
    ScalectlRun(const std::string& program, const std::vector<std::string>& args);
    ~ScalectlRun();
    ScalectlRun(const ScalectlRun&) = delete;
    ScalectlRun& operator=(const ScalectlRun&) = delete;

    // The next line on standard error, without its line end; nothing once the program has closed
    // it, or when no whole line came within wait.
    std::optional<std::string> nextErrLine(std::chrono::milliseconds wait);
    // Waits for the end: the exit code, -1 when the program did not exit by itself.
    int exitCode();

private:
    pid_t pid = -1;
    int errPipe = -1;
    std::string buffered;
    int code = -1;
};
