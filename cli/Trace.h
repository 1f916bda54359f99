// The --trace output of scalectl: every frame and acknowledgement, with a time stamp, on the port
// run's error stream.
#pragma once

#include "link/FrameLink.h"

#include <iosfwd>

FrameLink::TraceHook traceTo(std::ostream& err);
