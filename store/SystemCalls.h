// What the store asks of the operating system beyond Qt: one source file per system, chosen in
// CMake (SystemCallsPosix.cpp, SystemCallsWin32.cpp).
#pragma once

namespace store {

// Whether the shared library holding `object` resolves `symbol` to `ours`, that is, whether that
// library uses this program's own copy of the function. False when that cannot be told.
bool libraryResolvesTo(const void* object, const char* symbol, const void* ours);

// Makes Qt look for its SQL drivers where this system's package puts them. On Windows they are packed
// beside the program, which Qt searches only once a QCoreApplication exists; scalectl has none.
// Elsewhere Qt's installed plugin folder serves, and nothing is done.
void findDriversBesideProgram();

} // namespace store
