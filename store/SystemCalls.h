// What the store asks of the operating system beyond Qt: one source file per system, chosen in
// CMake (SystemCallsPosix.cpp, SystemCallsWin32.cpp).
#pragma once

#include <chrono>
#include <optional>

namespace store {

// Whether the shared library holding `object` resolves `symbol` to `ours`, that is, whether that
// library uses this program's own copy of the function. False when that cannot be told.
bool libraryResolvesTo(const void* object, const char* symbol, const void* ours);

// How long ago the TCP connection on `socket` last received data, as the system counts it; nothing
// when the socket is not TCP or the system keeps no such count.
std::optional<std::chrono::milliseconds> sinceDataReceived(int socket);

// Ends both directions of `socket` without closing it: the descriptor stays its owner's.
void shutDownSocket(int socket);

} // namespace store
