// The system's own words for a Win32 error code, for the emulator's messages on Windows.
#pragma once

#include <string>

// Without the trailing full stop and line break; "error N" when the system has no text for it.
std::string systemMessage(unsigned long error);
