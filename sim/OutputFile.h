// How the emulator writes its files (the state file, the uploaded logo): a regular file (or a new one)
// through a temporary file beside it that is synced and renamed over it once whole, so a crash never
// leaves half a file; a symlink stays a symlink and the file it points to is written. Anything else
// that exists at the path (a character device, a named pipe) is opened and written as it is: a
// rename would put a regular file in the device's place for every program of the machine.
// The program's own writer does the same with Qt; the emulator shares no code with the program.
#pragma once

#include <string>

// How far a regular file's bytes are taken before it replaces the old file: to the disk (fsync) for
// the scale's memory, which must survive a power cut, or to the system only for a picture that is
// written again after every row of an upload.
enum class Durability { Synced, Buffered };

// False with a reason naming the path when the bytes could not be written whole. A folder, or a path
// in a folder that does not exist, is refused before anything is touched.
bool writeOutputFile(const std::string& path, const std::string& bytes, Durability durability,
                     std::string& reason);
