// FIND on the main window's connection bar: the scale search with the progress dialog and its STOP,
// and a list to choose from when more than one scale answered.
#pragma once

#include "service/ScaleSearch.h"

#include <optional>
#include <string>
#include <vector>

class ScaleSession;

// Searches the ports at the rates; the scale found, the one picked of several, or nothing (none
// answered, or the operator stopped or cancelled).
std::optional<FoundScale> findScale(ScaleSession& session, const std::vector<std::string>& ports,
                                    const std::vector<int32_t>& bauds);
