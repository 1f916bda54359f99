#include "tests/support/Ser2netBridge.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A TCP port on 127.0.0.1 that nothing listens on now (the system picks it).
int freePort() {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("no free TCP port");
    close(fd);
    return ntohs(address.sin_port);
}

// Whether something listens on the port, from the kernel's socket table: asking by connecting would
// make ser2net open the device.
bool listening(int port) {
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line);
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        size_t colon = local.find(':');
        if (state == "0A" && colon != std::string::npos &&
            std::stoi(local.substr(colon + 1), nullptr, 16) == port)
            return true;
    }
    return false;
}

} // namespace

std::string Ser2netBridge::program() {
    for (const char* path : {"/usr/sbin/ser2net", "/usr/bin/ser2net", "/usr/local/sbin/ser2net"})
        if (access(path, X_OK) == 0)
            return path;
    return {};
}

Ser2netBridge::Ser2netBridge(const std::vector<std::string>& devices) {
    char pattern[] = "/tmp/ser2net-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot create a temporary folder");
    dir = pattern;
    std::ofstream config(dir + "/ser2net.yaml");
    for (size_t i = 0; i < devices.size(); ++i) {
        rawPorts.push_back(freePort());
        telnetPorts.push_back(freePort());
        // The configuration the README gives. "local": the pseudo-terminal has no modem lines to
        // watch. nodelay and chardelay off: every byte of the scale goes on at once, instead of being
        // held back to be sent in bigger packets (or until the last packet is acknowledged), which
        // would add milliseconds, or the 40 ms of a delayed acknowledgement, to every exchange.
        std::string device =
            "\n  connector: serialdev," + devices[i] + ",9600n81,local\n  options:\n    chardelay: false\n";
        config << "connection: &raw" << i << "\n  accepter: tcp(nodelay),127.0.0.1," << rawPorts[i] << device
               << "connection: &telnet" << i << "\n  accepter: telnet(rfc2217),tcp(nodelay),127.0.0.1,"
               << telnetPorts[i] << device;
    }
    config.close();

    std::string server = program();
    std::string configPath = dir + "/ser2net.yaml", pidPath = dir + "/ser2net.pid",
                logPath = dir + "/ser2net.log";
    pid = fork();
    if (pid == 0) {
        // The child: ser2net in the foreground (-n), no UUCP lock files (-u), its output to the log.
        FILE* log = std::freopen(logPath.c_str(), "w", stdout);
        if (log)
            dup2(fileno(log), STDERR_FILENO);
        execl(server.c_str(), server.c_str(), "-n", "-u", "-c", configPath.c_str(), "-P", pidPath.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto ready = [&] {
        for (size_t i = 0; i < devices.size(); ++i)
            if (!listening(rawPorts[i]) || !listening(telnetPorts[i]))
                return false;
        return true;
    };
    while (!ready()) {
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, WNOHANG) != 0 || std::chrono::steady_clock::now() > deadline) {
            std::string why = "ser2net did not start: " + log();
            drop();
            std::filesystem::remove_all(dir);
            throw std::runtime_error(why);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Ser2netBridge::~Ser2netBridge() {
    drop();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void Ser2netBridge::drop() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid = -1;
}

std::string Ser2netBridge::socketPort(size_t device) const {
    return "socket://127.0.0.1:" + std::to_string(rawPorts.at(device));
}

std::string Ser2netBridge::rfc2217Port(size_t device) const {
    return "rfc2217://127.0.0.1:" + std::to_string(telnetPorts.at(device));
}

std::string Ser2netBridge::log() const {
    std::ifstream in(dir + "/ser2net.log");
    return std::string(std::istreambuf_iterator<char>(in), {});
}
