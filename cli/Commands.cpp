// The registry of scalectl's commands. A new command adds its parser here, in its own line.
#include "cli/CalibrationCommands.h"
#include "cli/Cli.h"
#include "cli/FindCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LogoCommands.h"
#include "cli/PluCommands.h"
#include "cli/RawCommand.h"
#include "cli/ReportCommands.h"
#include "cli/SettingsCommands.h"
#include "cli/TerminalCommands.h"

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"raw", {"raw CODE [HEX]"}, parseRaw},
        {"plu",
         {"plu pull [--from N] [--to N] [-o FILE]",
          "plu push FILE [--changed [--verify none|written|all] [--dry-run]]",
          "plu diff FILE [--from N] [--to N]"},
         parsePlu},
        {"display", {"display"}, parseDisplay},
        {"key", {"key KEY..."}, parseKey},
        {"calibration", {"calibration send [--preset NAME] [FIELD=VALUE]..."}, parseCalibration},
        {"report",
         {"report [--z [--password-file FILE | --password N] [--force]] [-o FILE]",
          "report --z --dry-run [--force]"},
         parseReport},
        {"history",
         {"history [--scale IDENTITY] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--format csv|json|xlsx] [-o "
          "FILE]"},
         parseHistory},
        {"logo",
         {"logo send FILE [--brightness B] [--contrast C] [--threshold] [--preview OUT.png]",
          "logo preview FILE OUT.png [--brightness B] [--contrast C] [--threshold]"},
         parseLogo},
        {"settings",
         {"settings pull [-o FILE]", "settings push FILE [--rate R] [--changed]",
          "settings diff FILE [--rate R]"},
         parseSettings},
        {"clock", {"clock get", "clock set [--time \"dd-mm-yy hh:mm:ss\"]"}, parseClock},
        {"find", {"find [--port PORT]... [--baud N]..."}, parseFind, true},
        {"info", {"info"}, parseInfo},
    };
    return commands;
}
