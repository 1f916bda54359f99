#include "cli/FindCommand.h"

#include "service/ScaleSearch.h"

#include <ostream>

namespace {

int runFind(PortRun& run, const std::vector<std::string>& ports, const std::vector<int32_t>& bauds) {
    SearchProgress progress;
    SearchResult result = searchScales(ports, bauds, progress);
    for (const std::string& note : result.notes)
        run.err << note << '\n';
    for (const FoundScale& scale : result.found)
        run.out << scale.port << '\t' << scale.baud << '\t' << scale.identity << '\n';
    return result.found.empty() ? kExitCommunication : kExitOk;
}

} // namespace

ParseResult parseFind(const std::vector<std::string>& args) {
    std::vector<std::string> ports;
    std::vector<int32_t> bauds;
    for (size_t i = 0; i < args.size(); ++i) {
        bool hasValue = i + 1 < args.size();
        if (args[i] == "--port" && hasValue && validPortName(args[i + 1])) {
            ports.push_back(args[++i]);
        } else if (args[i] == "--baud" && hasValue) {
            auto value = parseNumber(args[++i], 10, 1, 4000000);
            if (!value)
                return kExitUsage;
            bauds.push_back(static_cast<int32_t>(*value));
        } else {
            return kExitUsage;
        }
    }
    if (ports.empty())
        ports = defaultSearchPorts();
    if (bauds.empty())
        bauds = defaultSearchBauds();
    return Job{[ports, bauds](PortRun& run) { return runFind(run, ports, bauds); }, false, {}};
}
