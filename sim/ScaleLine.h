// The emulated scale's end of the serial line, as the system gives it: on Linux a pseudo-terminal
// whose slave the PC finds through a link (or a serial device given by its path), on Windows a COM
// port at the end of a null-modem cable or of a virtual port pair. One source file per system
// (chosen in CMake) supplies it; the server in ScaleSim.cpp decides what to send and when, and asks
// this only to wait, move bytes without waiting, and go away.
//
// wait() runs on the server's thread; wake() may be called from any thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct SimOptions;

class ScaleLine {
public:
    using Clock = std::chrono::steady_clock;

    ScaleLine();
    ~ScaleLine();
    ScaleLine(const ScaleLine&) = delete;
    ScaleLine& operator=(const ScaleLine&) = delete;

    // Makes the line the options name (linkPath or portName). False with the reason in `error`.
    bool open(const SimOptions& options, std::string& error);
    // Returns when input has arrived (if wantInput), more output can be taken (if wantOutput), wake()
    // was called, or `until` has come. False when the line itself has failed: nothing will move on
    // it again.
    bool wait(bool wantInput, bool wantOutput, std::optional<Clock::time_point> until);
    // What has arrived, up to `size` bytes, without waiting; 0 when nothing has.
    size_t read(uint8_t* bytes, size_t size);
    // How many of the bytes the line took, without waiting.
    size_t write(const uint8_t* bytes, size_t count);
    void wake();
    // The rate the line runs at now, as this end sees it (a pseudo-terminal shows the PC's setting);
    // 0 when it cannot be told.
    int baud() const;
    // Lets the bytes written so far reach the PC (for half a second at most, less once `stopping` is
    // set), then takes away the name the PC found the device by. The device itself stays open until
    // close().
    void withdraw(const std::atomic<bool>& stopping);
    // Closes the device and takes its name away. Safe to call twice.
    void close();
    // The device the PC's side opens (the pseudo-terminal's slave), or the port served on.
    std::string devicePath() const;

    // What this system can serve on, for the usage text and the option checks: the options naming
    // the line, and why an option is refused here (empty when it is taken).
    static const char* usageText();
    static std::string linkRefusal();
    static std::string portRefusal(const std::string& name);

private:
    struct System;
    std::unique_ptr<System> system;
};
