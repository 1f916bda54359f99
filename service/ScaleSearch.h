// The scale search: which port a scale is on and at which baud rate, for a technician who knows
// neither. Every port is tried at once on a thread of its own; on one port the rates go one after
// the other, most common first, each with one identity request whose wait follows the rate (the
// line time of the exchange and a small margin, not the protocol's three 1.1 s attempts). A port
// where a scale answered is not tried further; a port that cannot be opened is skipped with a note.
// Plain C++ over the link: scalectl's find and the main window's FIND share it.
#pragma once

#include "link/FrameLink.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FoundScale {
    std::string port; // as given
    int32_t baud = 0;
    std::string identity; // code page 1250, without its trailing blanks and NULs
};

struct SearchResult {
    std::vector<FoundScale> found;  // in the order of the ports
    std::vector<std::string> notes; // one per skipped port: "PORT: why"
};

// Shared with whoever watches a search from another thread: how far it is, and the way to stop it
// (the search ends after the exchange under way on each port).
struct SearchProgress {
    std::atomic<size_t> tried{0};
    std::atomic<bool> stop{false};
    // Optional observer of every frame and acknowledgement on every port tried (the line monitor),
    // set before the search starts. It is called from the ports' threads, one call at a time.
    FrameLink::TraceHook trace;
};

// The BAUD box's rates, the most common first.
std::vector<int32_t> defaultSearchBauds();
// COM1 to COM8, then the other ports the system has (systemSerialPorts).
std::vector<std::string> defaultSearchPorts();

// The per-byte wait at a baud rate, in the port's 55 ms ticks: the identity exchange's line time
// (about 50 bytes) and a margin, rounded up.
int32_t searchTimeoutTicks(int32_t baud);

// Tries every port at every rate (ports.size() x bauds.size() tries at most); blocks until done or
// stopped.
SearchResult searchScales(const std::vector<std::string>& ports, const std::vector<int32_t>& bauds,
                          SearchProgress& progress);
