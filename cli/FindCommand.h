// scalectl find [--port PORT]... [--baud N]...: the scale search from the shell; one line per scale
// found, PORT<TAB>BAUD<TAB>IDENTITY.
#pragma once

#include "cli/Cli.h"

ParseResult parseFind(const std::vector<std::string>& args);
