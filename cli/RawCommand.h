// scalectl raw CODE [HEX]: one exchange with any command code and payload; prints the reply body.
#pragma once

#include "cli/Cli.h"

ParseResult parseRaw(const std::vector<std::string>& args);
