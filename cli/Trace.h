// The --trace output of scalectl: every frame and acknowledgement, with a time stamp, on stderr.
#pragma once

#include "link/FrameLink.h"

void traceToStderr(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count);
