// The registry of scalectl's commands. A new command adds its parser here, in its own line.
#include "cli/Cli.h"
#include "cli/PluCommands.h"
#include "cli/RawCommand.h"
#include "cli/SettingsCommands.h"

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"raw", {"raw CODE [HEX]"}, parseRaw},
        {"plu", {"plu pull [--from N] [--to N] [-o FILE]", "plu push FILE"}, parsePlu},
        {"settings", {"settings pull [-o FILE]", "settings push FILE [--rate R]"}, parseSettings},
        {"clock", {"clock get", "clock set [--time \"dd-mm-yy hh:mm:ss\"]"}, parseClock},
    };
    return commands;
}
