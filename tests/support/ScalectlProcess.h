// scalectl run as a process, the way a script or cron runs it: its exit code and everything it wrote
// on standard output and standard error, each captured whole.
#pragma once

#include <string>
#include <vector>

struct ScalectlOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    // The lines of err, without their line ends.
    std::vector<std::string> errLines() const;
};

ScalectlOutcome runScalectl(const std::string& program, const std::vector<std::string>& args);
