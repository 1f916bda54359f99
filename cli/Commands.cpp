// The registry of scalectl's commands. A new command adds its parser here, in its own line.
#include "cli/Cli.h"
#include "cli/LogoCommands.h"
#include "cli/PluCommands.h"
#include "cli/RawCommand.h"

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"raw", {"raw CODE [HEX]"}, parseRaw},
        {"plu", {"plu pull [--from N] [--to N] [-o FILE]", "plu push FILE"}, parsePlu},
        {"logo",
         {"logo send FILE [--brightness B] [--contrast C] [--threshold] [--preview OUT.png]",
          "logo preview FILE OUT.png [--brightness B] [--contrast C] [--threshold]"},
         parseLogo},
    };
    return commands;
}
