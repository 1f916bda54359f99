// scalectl as a process against the emulated scale: output, exit codes and the trace.
#include "tests/support/BitmapWriter.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"
#include "tests/support/SpecialFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

using testcases::PrintTo;

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

// A shell command's exit code and output.
Outcome shell(const std::string& line) {
    char errName[] = "/tmp/scalectl-err-XXXXXX";
    int errFd = mkstemp(errName);
    close(errFd);
    const std::string command = line + " 2>" + errName;
    Outcome run{-1, {}, {}};
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        run.out.append(buf.data(), n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* f = std::fopen(errName, "r")) {
        while ((n = fread(buf.data(), 1, buf.size(), f)) > 0)
            run.err.append(buf.data(), n);
        std::fclose(f);
    }
    std::remove(errName);
    return run;
}

// In the desktop's locale, a comma one unless the run names another (then installed, so the C
// library follows it as well).
Outcome scalectl(const std::string& args, const std::string& locale = "${LC_ALL:-de_DE.UTF-8}") {
    return shell("LC_ALL=" + locale + " " + SCALECTL_PATH + " " + args);
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Scalectl : public ::testing::Test {
protected:
    SimHarness scale;
    std::string port() {
        return "--port " + scale.linkPath() + " --records " + scale.folder() + "/records.db ";
    }
};

TEST_F(Scalectl, RawPrintsTheReplyBodyStatusFirst) {
    scale.sim().withState([](ScaleState& s) { s.status = 0x04; });
    Outcome run = scalectl(port() + "raw 01");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Status, reply byte 1, then the 33-byte identity field: 35 bytes, no check byte.
    ASSERT_EQ(run.out.size(), 35u * 3);
    EXPECT_EQ(run.out.substr(0, 3), "04 ");
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_TRUE(scale.lastReplyAcknowledged());
}

TEST_F(Scalectl, PayloadAndTraceGoOnTheWireAsGiven) {
    Outcome run = scalectl(port() + "--trace raw 0x04 0001 00 36");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_FALSE(scale.sim().requestFrames().empty());
    EXPECT_EQ(scale.sim().requestBodies().back(), (std::vector<uint8_t>{0x04, 0x00, 0x01, 0x00, 0x36}));
    EXPECT_NE(run.err.find("request C3 04 00 04 00 01 00 36 33 C3 02  read PLU 1\n"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("scale -> PC  ACK     06"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("PC -> scale  ACK     06"), std::string::npos) << run.err;
}

// The scale's port gone in the middle of a reply (its pseudo-terminal closed, its link removed):
// exit 1 at once, naming the port and what happened, instead of retrying a line that is not there.
TEST_F(Scalectl, LostPortIsNamedAndNotRetried) {
    scale.sim().injectFault(Fault::Vanish, 1);
    const auto start = std::chrono::steady_clock::now();
    Outcome lost = scalectl(port() + "plu pull --from 1 --to 20");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(lost.exitCode, 1) << lost.err;
    EXPECT_NE(lost.err.find(scale.linkPath() + ": the port was lost ("), std::string::npos) << lost.err;
    EXPECT_LT(took, std::chrono::seconds(1));
}

TEST_F(Scalectl, ExitCodesSayWhatWentWrong) {
    scale.sim().injectFault(Fault::Silence, 3);
    Outcome silent = scalectl(port() + "raw 01");
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.err, "Communication Error!\n");
    EXPECT_TRUE(silent.out.empty());

    Outcome missing = scalectl("--port " + scale.folder() + "/ports/COM7 raw 01");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.rfind("Cannot initialize COM port!\n", 0), 0u);

    // A usage error's first line names the word or option and the value; the usage of that command
    // follows (of every command when the command itself is wrong).
    struct Refused {
        const char* args;
        const char* firstLine;
        const char* usageOf; // nullptr: the usage of every command
    } refused[] = {
        {"", "scalectl: a command is missing", nullptr},
        {"raw", "scalectl: raw: a word is missing", "raw"},
        {"raw 1FF", "scalectl: raw: CODE: '1FF' is not a hexadecimal number from 00 to FF", "raw"},
        {"raw 01 0", "scalectl: raw: HEX: '0' is not whole bytes in hexadecimal", "raw"},
        {"--baud abc raw 01", "scalectl: --baud: 'abc' is not a number from 1 to 4000000", nullptr},
        {"--port LPT1 raw 01",
         "scalectl: --port: 'LPT1' is not COMn, a device path, socket://HOST:PORT or rfc2217://HOST:PORT",
         nullptr},
        {"plu pull --from 0", "scalectl: --from: '0' is not a number from 1 to 1799", "plu"},
        {"plu push", "scalectl: plu push: a word is missing after 'push'", "plu"},
        {"plu frobnicate", "scalectl: plu: unexpected word 'frobnicate'", "plu"},
        {"settings push f.txt --rate abc", "scalectl: --rate: 'abc' is not a number", "settings"},
        {"logo send x.bmp --brightness 1x", "scalectl: --brightness: '1x' is not a number from -128 to 128",
         "logo"},
        {"report --password 3", "scalectl: report: --password goes with --z", "report"},
        {"fly", "scalectl: unknown command 'fly'", nullptr},
    };
    for (const Refused& c : refused) {
        Outcome run = scalectl(port() + c.args);
        EXPECT_EQ(run.exitCode, 64) << c.args;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine) << c.args;
        size_t usageLines = 0, linesOfCommand = 0;
        const std::string lead = "[--trace] " + std::string(c.usageOf ? c.usageOf : "") + " ";
        for (size_t at = run.err.find("[--trace] "); at != std::string::npos;
             at = run.err.find("[--trace] ", at + 1)) {
            ++usageLines;
            linesOfCommand += run.err.compare(at, lead.size(), lead) == 0;
        }
        if (c.usageOf)
            EXPECT_TRUE(usageLines > 0 && linesOfCommand == usageLines) << c.args << '\n' << run.err;
        else
            EXPECT_GT(usageLines, 10u) << c.args;
    }
    // Nothing reached the scale from the refused command lines.
    EXPECT_EQ(scale.sim().requestFrames().size(), 3u);

    // --help of a command: its usage on standard output, exit code 0.
    Outcome help = scalectl("plu --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(
        help.out.rfind(
            "usage: scalectl [--port PORT]... [--jobs N] [--baud N] [--format text|json] [--trace] plu pull",
            0),
        0u);
    EXPECT_EQ(help.out.find("settings"), std::string::npos);

    // A refused PLU file names its line (every line of the file counted) and the cell.
    char name[] = "/tmp/scalectl-bad-XXXXXX";
    close(mkstemp(name));
    if (FILE* f = std::fopen(name, "w")) {
        std::fputs("; created\r\n\r\n1\t1\t0\t0\t0\t0\t0\t0\ta\t0\t\r\n2\tabc\t0\t0\t0\t0\t0\t0\tb\t0\t\r\n",
                   f);
        std::fclose(f);
    }
    Outcome badFile = scalectl(port() + "plu push " + name);
    EXPECT_EQ(badFile.exitCode, 3);
    EXPECT_EQ(badFile.err, "error in input file: line 4, PRICE: 'abc'\n");
    std::remove(name);
}

TEST_F(Scalectl, PluFilePulledAndPushedBack) {
    char name[] = "/tmp/scalectl-plu-XXXXXX";
    close(mkstemp(name));
    Outcome pull = scalectl(port() + "plu pull --from 1 --to 30 -o " + name);
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    EXPECT_TRUE(scale.lastReplyAcknowledged());
    scale.sim().clearLog();
    Outcome push = scalectl(port() + "plu push " + name);
    EXPECT_EQ(push.exitCode, 0) << push.err;
    EXPECT_TRUE(scale.lastReplyAcknowledged());
    auto bodies = scale.sim().requestBodies();
    ASSERT_GT(bodies.size(), 1u);
    EXPECT_EQ(bodies.back(), std::vector<uint8_t>{0x27});
    EXPECT_EQ(bodies[0], std::vector<uint8_t>{0x01}); // the identity finds the scale's record
    EXPECT_EQ(bodies[1][0], 0x23);
    std::remove(name);
}

// Also run under a real generated comma locale (LC_ALL): prices, tax rates, the rate and Max Tare
// written with a comma go out as the scale's hundredths (thousandths for the tare).
TEST_F(Scalectl, CommaLocaleSendsTheHundredthsOfEveryDecimal) {
    char name[] = "/tmp/scalectl-comma-XXXXXX";
    close(mkstemp(name));
    const std::string file = name;
    if (FILE* f = std::fopen(name, "w")) {
        std::fputs("; created: today\r\n\r\n7\t12,34\t0\t0\t0\t0\t0\t0\tcomma\t0\t\r\n", f);
        std::fclose(f);
    }
    Outcome plu = scalectl(port() + "plu push " + file);
    EXPECT_EQ(plu.exitCode, 0) << plu.err;

    scale.sim().withState([](ScaleState& s) { s.taxes[2] = 1234; });
    Outcome pull = scalectl(port() + "settings pull -o " + file);
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    scale.sim().withState([](ScaleState& s) { s.taxes[2] = 0; });
    Outcome push = scalectl(port() + "settings push " + file + " --rate 12,34");
    EXPECT_EQ(push.exitCode, 0) << push.err;

    scale.sim().setCalibration(true);
    Outcome tare = scalectl(port() + "calibration send max-tare=12,34");
    EXPECT_EQ(tare.exitCode, 0) << tare.err;
    scale.sim().withState([](ScaleState& s) {
        EXPECT_EQ(s.plus[7].price, 1234);
        EXPECT_EQ(s.taxes[2], 1234);
        EXPECT_EQ(std::vector<uint8_t>(s.settings.begin() + 50, s.settings.begin() + 54),
                  (std::vector<uint8_t>{0, 0, 0x04, 0xD2}));
        EXPECT_EQ(std::vector<uint8_t>(s.systemParameters.begin() + 18, s.systemParameters.begin() + 22),
                  (std::vector<uint8_t>{0x00, 0x00, 0x2E, 0xE0}));
    });
    std::remove(name);
}

// An endless input file is refused at once with the reader's usual message, in little memory, and
// nothing reaches the scale.
// Bad input is named where it is: the PLU file's line and field, the settings file's line and
// setting or its count of lines, the path of a file that cannot be read or written. Nothing is sent.
TEST_F(Scalectl, MessagesNameWhereTheInputIsWrong) {
    const std::string folder = scale.folder();
    ASSERT_EQ(scalectl(port() + "plu pull --from 1 --to 5 -o " + folder + "/good.plu").exitCode, 0);
    ASSERT_EQ(scalectl(port() + "settings pull -o " + folder + "/good.txt").exitCode, 0);
    std::string pluText = fileText(folder + "/good.plu");
    const size_t third = pluText.find("\n3\t");
    ASSERT_NE(third, std::string::npos);
    const int thirdLine = int(std::count(pluText.begin(), pluText.begin() + long(third), '\n')) + 2;
    std::ofstream(folder + "/num.plu", std::ios::binary) << pluText.replace(third, 3, "\n3.5\t");
    std::string settingsText = fileText(folder + "/good.txt");
    // Where line n starts in the settings file.
    auto lineStart = [&settingsText](int n) {
        size_t at = 0;
        for (int line = 1; line < n; ++line)
            at = settingsText.find('\n', at) + 1;
        return at;
    };
    std::ofstream(folder + "/cut.txt", std::ios::binary) << settingsText.substr(0, lineStart(41));
    std::string lan = settingsText;
    const size_t line13 = lineStart(13);
    std::ofstream(folder + "/lan.txt", std::ios::binary)
        << lan.replace(line13, lan.find('\r', line13) - line13, "x");
    scale.sim().clearLog();

    struct Refused {
        std::string args;
        int exitCode;
        std::string message;
    } refused[] = {
        {"plu push " + folder + "/num.plu", 3,
         "error in input file: line " + std::to_string(thirdLine) + ", NUM: '3.5'"},
        {"settings push " + folder + "/cut.txt", 3,
         "error in input file: 40 lines, a settings file has 80 (" + folder + "/cut.txt)\n"},
        {"settings push " + folder + "/lan.txt", 3,
         "I/O Error! line 13 (LAN number): 'x' is not a whole number\n"},
        {"plu push " + folder + "/missing.plu", 4,
         "I/O Error!\n(" + folder + "/missing.plu: cannot be read)\n"},
        {"settings push " + folder + "/missing.txt", 4,
         "I/O Error!\n(" + folder + "/missing.txt: cannot be read)\n"},
    };
    for (const Refused& c : refused) {
        Outcome run = scalectl(port() + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << c.args;
    }
    EXPECT_TRUE(scale.sim().requestFrames().empty());

    Outcome unwritable = scalectl(port() + "report -o " + folder + "/none/z.txt");
    EXPECT_EQ(unwritable.exitCode, 4);
    EXPECT_NE(unwritable.err.find(folder + "/none/z.txt: the folder " + folder + "/none does not exist"),
              std::string::npos)
        << unwritable.err;
}

struct EndlessFile {
    const char* command;
    int exitCode;
    const char* message;
};

class ScalectlEndlessFile : public Scalectl, public ::testing::WithParamInterface<EndlessFile> {};

TEST_P(ScalectlEndlessFile, IsRefusedBeforeThePortIsTouched) {
    Outcome run = scalectl(port() + GetParam().command + " /dev/zero");
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_EQ(run.err, GetParam().message);
    EXPECT_TRUE(scale.sim().requestFrames().empty());
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "kB at the peak of a child";
}

INSTANTIATE_TEST_SUITE_P(
    DevZero, ScalectlEndlessFile,
    ::testing::Values(EndlessFile{"settings push", 4, "I/O Error!\n(/dev/zero: cannot be read)\n"},
                      EndlessFile{"plu push", 3, "error in input file: the file is too large\n"},
                      EndlessFile{"logo send", 3, "Bitmap image is not valid\n"}),
    [](const auto& info) {
        std::string name = info.param.command;
        name.erase(name.find(' '), 1);
        return name;
    });

// Every file scalectl writes goes where its output name says: a regular file as a whole new file, a
// device or a named pipe as it is (a file renamed over /dev/null would replace the device for every
// program of the machine), "-" and /dev/stdout on the pipe that is standard output; a folder, or a
// path in a folder that does not exist, is refused naming the path and why.
struct OutputCase {
    const char* name;
    const char* command; // {out} is the output's name, {bmp} a bitmap
};

class ScalectlOutput : public Scalectl, public ::testing::WithParamInterface<OutputCase> {
protected:
    Outcome writeTo(const std::string& out) {
        std::string command = GetParam().command;
        command.replace(command.find("{out}"), 5, out);
        if (size_t at = command.find("{bmp}"); at != std::string::npos)
            command.replace(at, 5, bitmap());
        return scalectl(port() + "--archive " + scale.folder() + "/archive.db " + command);
    }
    std::string bitmap() {
        const std::string path = scale.folder() + "/logo.bmp";
        writeFileBytes(
            QString::fromStdString(path),
            bitmapBytes(64, 8, 24, RowOrder::BottomUp, [](int x, int) { return qGray(x * 4, 0, 0); }));
        return path;
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_P(ScalectlOutput, GoesWhereTheNameSaysAndNeverReplacesADevice) {
    const std::string folder = scale.folder();
    const std::string null = folder + "/null";
    MAKE_NULL_DEVICE_OR_SKIP(null);

    Outcome regular = writeTo(folder + "/regular");
    ASSERT_EQ(regular.exitCode, 0) << regular.err;
    const std::string file = contents(folder + "/regular");
    ASSERT_GT(file.size(), 16u);
    // The file's bytes as a regular file holds them: its time stamp aside, the same every time.
    auto sameFile = [&file](const std::string& bytes) {
        return bytes.size() == file.size() && bytes.compare(0, 16, file, 0, 16) == 0;
    };

    Outcome device = writeTo(null);
    EXPECT_EQ(device.exitCode, 0) << device.err;
    EXPECT_EQ(specialfiles::kindOf(null), 'c');

    specialfiles::PipeReader reader(folder + "/fifo");
    ASSERT_TRUE(reader.ready());
    Outcome piped = writeTo(folder + "/fifo");
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_TRUE(sameFile(reader.bytes())) << reader.bytes();
    EXPECT_EQ(specialfiles::kindOf(folder + "/fifo"), 'p');

    for (const std::string standardOutput : {"-", "/dev/stdout"}) {
        Outcome out = writeTo(standardOutput);
        EXPECT_EQ(out.exitCode, 0) << standardOutput << ": " << out.err;
        EXPECT_TRUE(sameFile(out.out)) << standardOutput << ": " << out.out;
    }

    const std::string missing = folder + "/missing/out";
    for (const auto& [path, why] : {std::pair{folder, std::string("is a folder")},
                                    std::pair{missing, "the folder " + folder + "/missing does not exist"}}) {
        Outcome refused = writeTo(path);
        EXPECT_EQ(refused.exitCode, 4) << path;
        EXPECT_EQ(refused.err, "I/O Error!\n(" + path + ": " + why + ")\n");
    }
    EXPECT_EQ(specialfiles::kindOf(folder + "/missing"), '-');
}

INSTANTIATE_TEST_SUITE_P(Commands, ScalectlOutput,
                         ::testing::Values(OutputCase{"PluPull", "plu pull --to 3 -o {out}"},
                                           OutputCase{"SettingsPull", "settings pull -o {out}"},
                                           OutputCase{"Report", "report -o {out}"},
                                           OutputCase{"LogoPreview", "logo preview {bmp} {out}"}),
                         testcases::caseName);

// A scale that looks at its line only 300 ms after each reply, when scalectl has ended already:
// every run's last acknowledgement still reaches it.
TEST(ScalectlWithALateScale, EveryRunEndsWithItsLastReplyAcknowledged) {
    SimOptions options;
    options.readDelayMs = 300;
    SimHarness scale(options);
    std::string port = "--port " + scale.linkPath() + " --records " + scale.folder() + "/records.db ";
    char name[] = "/tmp/scalectl-plu-XXXXXX";
    close(mkstemp(name));
    const std::string file = name;
    for (const std::string& args :
         {"raw 01" + std::string(), "plu pull --from 1 --to 2 -o " + file, "plu push " + file}) {
        Outcome run = scalectl(port + args);
        EXPECT_EQ(run.exitCode, 0) << args << ": " << run.err;
        EXPECT_TRUE(scale.lastReplyAcknowledged()) << args;
    }
    std::remove(name);
}

// A port with nothing behind it: a pseudo-terminal whose other end nobody serves.
struct EmptyPort {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    EmptyPort() {
        grantpt(master);
        unlockpt(master);
    }
    ~EmptyPort() { close(master); }
    std::string path() const { return ptsname(master); }
};

// Two emulated scales that hear only their own rates, a silent port and a missing one: each scale is
// found at its rate, the missing port is named, and the ports may stand before and after the verb.
TEST(ScalectlFind, EachScaleIsFoundAtItsOwnRate) {
    auto scaleAt = [](int baud) {
        SimOptions options;
        options.baud = baud;
        options.ownBaudOnly = true;
        return options;
    };
    SimHarness slow(scaleAt(4800));
    SimHarness fast(scaleAt(57600));
    fast.sim().withState([](ScaleState& s) { s.identity = std::string("FAST ONE  \0\0", 12); });
    EmptyPort silent;
    const std::string missing = slow.folder() + "/ports/COM5";

    Outcome run = scalectl("--port " + slow.linkPath() + " find --port " + silent.path() + " --port " +
                           fast.linkPath() + " --port " + missing);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              slow.linkPath() + "\t4800\tSCALE SIM 15KG V1.63\n" + fast.linkPath() + "\t57600\tFAST ONE\n");
    EXPECT_EQ(run.err.rfind(missing + ": cannot be opened", 0), 0u) << run.err;
    // One identity request at each rate tried, none after the scale answered.
    EXPECT_EQ(fast.sim().requestFrames().size(), 1u);

    Outcome none = scalectl("find --port " + silent.path() + " --baud 9600 --baud 4800");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.empty());
    for (const char* bad : {"find --baud 0", "find --port LPT1", "find extra"}) {
        Outcome refused = scalectl(bad);
        EXPECT_EQ(refused.exitCode, 64) << bad;
    }
}

// --format json: standard output holds one object per port and nothing else, in --port order.
struct JsonCase {
    const char* name;
    std::string args;
    // A key every port's result must have.
    const char* resultKey;
};

class ScalectlJson : public ::testing::TestWithParam<JsonCase> {
protected:
    SimHarness first, second;
    // The sales archive of the run, so that reports read here stay out of the build's database.
    std::string archive = first.folder() + "/archive.db";

    // The lines of out, each parsed; a line that is no object fails the test.
    static std::vector<QJsonObject> objects(const std::string& out) {
        std::vector<QJsonObject> parsed;
        size_t start = 0;
        for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
            QJsonParseError error{};
            QJsonDocument document =
                QJsonDocument::fromJson(QByteArray::fromStdString(out.substr(start, end - start)), &error);
            EXPECT_TRUE(document.isObject()) << error.errorString().toStdString() << " in " << out;
            parsed.push_back(document.object());
        }
        EXPECT_EQ(start, out.size()) << "output does not end with a line end";
        return parsed;
    }
};

TEST_P(ScalectlJson, EachPortGivesOneObjectInPortOrder) {
    Outcome run = scalectl("--format json --archive " + archive + " --port " + second.linkPath() +
                           " --port " + first.linkPath() + " " + GetParam().args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<QJsonObject> lines = objects(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    const std::string ports[] = {second.linkPath(), first.linkPath()};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(lines[i]["port"].toString().toStdString(), ports[i]);
        EXPECT_EQ(lines[i]["ok"], QJsonValue(true));
        EXPECT_EQ(lines[i]["exit"], QJsonValue(0));
        EXPECT_TRUE(lines[i]["error"].isNull());
        EXPECT_TRUE(lines[i]["result"].toObject().contains(QLatin1String(GetParam().resultKey))) << run.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ScalectlJson,
    ::testing::Values(JsonCase{"Raw", "raw 01", "reply"},
                      JsonCase{"PluPull", "plu pull --from 1 --to 3", "rows"},
                      JsonCase{"SettingsPull", "settings pull", "departments"},
                      JsonCase{"ClockGet", "clock get", "difference"},
                      JsonCase{"ClockSet", "clock set", "time"}, JsonCase{"Display", "display", "indicators"},
                      JsonCase{"Key", "key 7 shift", "pressed"},
                      JsonCase{"Calibration", "calibration send --preset single-6", "capacity"},
                      JsonCase{"Info", "info", "status_bits"}, JsonCase{"Report", "report", "grand_total"}),
    testcases::caseName);

TEST_F(ScalectlJson, ResultsCarryTheScalesValues) {
    first.sim().withState([](ScaleState& s) {
        s.status = 0x05;
        s.clockOffsetSeconds = -3600;
    });
    std::vector<QJsonObject> info =
        objects(scalectl("--format json --port " + first.linkPath() + " info").out);
    ASSERT_EQ(info.size(), 1u);
    QJsonObject result = info[0]["result"].toObject();
    EXPECT_EQ(result["identity"].toString(), QStringLiteral("SCALE SIM 15KG V1.63"));
    EXPECT_EQ(result["status"], QJsonValue(5));
    EXPECT_EQ(result["status_bits"].toArray(), (QJsonArray{"bit0", "calibration"}));
    // A second may pass between the read and the PC's time.
    EXPECT_NEAR(result["clock"].toObject()["difference"].toDouble(), -3600, 1);

    std::vector<QJsonObject> plu =
        objects(scalectl("--format json --port " + first.linkPath() + " plu pull --from 1 --to 1").out);
    ASSERT_EQ(plu.size(), 1u);
    QJsonArray rows = plu[0]["result"].toObject()["rows"].toArray();
    ASSERT_EQ(rows.size(), 2); // PLU 0 (shown whatever its price) and PLU 1; PLU 1800 is absent
    QJsonObject apples = rows.last().toObject();
    EXPECT_EQ(apples["num"], QJsonValue(1));
    EXPECT_EQ(apples["price"], QJsonValue(2.49));
    EXPECT_EQ(apples["name"], QJsonValue("APPLES GOLDEN"));
    EXPECT_EQ(apples.size(), 13);
}

// A port that fails is an object of its own with scalectl's message, beside the one that worked; a
// diff that finds differences is an answer (ok), not a failure.
TEST_F(ScalectlJson, FailuresAndDifferencesAreReportedPerPort) {
    const std::string missing = first.folder() + "/ports/COM9";
    Outcome run = scalectl("--format json --port " + missing + " --port " + first.linkPath() + " raw 01");
    EXPECT_EQ(run.exitCode, 2);
    std::vector<QJsonObject> lines = objects(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["ok"], QJsonValue(false));
    EXPECT_EQ(lines[0]["exit"], QJsonValue(2));
    EXPECT_TRUE(lines[0]["error"].toString().startsWith("Cannot initialize COM port!")) << run.out;
    EXPECT_EQ(lines[1]["ok"], QJsonValue(true));
    EXPECT_NE(run.err.find("Cannot initialize COM port!"), std::string::npos) << "messages stay on stderr";

    char name[] = "/tmp/scalectl-settings-XXXXXX";
    close(mkstemp(name));
    ASSERT_EQ(scalectl("--port " + first.linkPath() + " settings pull -o " + name).exitCode, 0);
    second.sim().withState([](ScaleState& s) { s.departments[0][0] = 'X'; });
    Outcome diff = scalectl("--format json --port " + first.linkPath() + " --port " + second.linkPath() +
                            " settings diff " + name);
    EXPECT_EQ(diff.exitCode, 5) << diff.err;
    lines = objects(diff.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0]["result"].toObject()["differences"].toObject().isEmpty());
    EXPECT_EQ(lines[1]["ok"], QJsonValue(true));
    EXPECT_EQ(lines[1]["exit"], QJsonValue(5));
    EXPECT_EQ(lines[1]["result"].toObject()["differences"].toObject().keys(), QStringList{"departments"});

    // settings push --changed sends only to the scale that differs.
    first.sim().clearLog();
    second.sim().clearLog();
    Outcome push = scalectl("--format json --port " + first.linkPath() + " --port " + second.linkPath() +
                            " settings push " + name + " --changed");
    EXPECT_EQ(push.exitCode, 0) << push.err;
    lines = objects(push.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["result"].toObject()["sent"], QJsonValue(false));
    EXPECT_EQ(lines[1]["result"].toObject()["sent"], QJsonValue(true));
    auto writes = [](ScaleSim& sim) {
        auto bodies = sim.requestBodies();
        return std::count_if(bodies.begin(), bodies.end(), [](const auto& b) { return b[0] == 0x22; });
    };
    EXPECT_EQ(writes(first.sim()), 0);
    EXPECT_EQ(writes(second.sim()), 1);
    std::remove(name);
}

// The PLU commands' results: a diff names each differing field with both values as numbers, a
// changed-only push counts what it sent and what was current, and names the PLUs sent.
TEST_F(ScalectlJson, PluResultsNameWhatDiffersAndWhatWasSent) {
    char plu[] = "/tmp/scalectl-plu-XXXXXX";
    close(mkstemp(plu));
    char records[] = "/tmp/scalectl-records-XXXXXX";
    close(mkstemp(records));
    const std::string port =
        "--format json --records " + std::string(records) + " --port " + first.linkPath();
    ASSERT_EQ(scalectl(port + " plu pull --from 1 --to 5 -o " + plu).exitCode, 0);
    // PLU 1 at 9.99 in the file; the scale has 2.49.
    std::string text;
    {
        std::ifstream in(plu, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The price field of PLU 1's row, in the regional notation the file is written in.
    size_t price = text.find("\n1\t");
    ASSERT_NE(price, std::string::npos) << text;
    price += 3;
    text.replace(price, text.find('\t', price) - price, text.substr(price + 1, 1) == "," ? "9,99" : "9.99");
    std::ofstream(plu, std::ios::binary) << text;

    Outcome diff = scalectl(port + " plu diff " + plu + " --from 1 --to 5");
    EXPECT_EQ(diff.exitCode, 5) << diff.err;
    std::vector<QJsonObject> lines = objects(diff.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["ok"], QJsonValue(true));
    EXPECT_EQ(lines[0]["result"].toObject()["differences"].toArray(),
              (QJsonArray{QJsonObject{
                  {"kind", "differs"}, {"plu", 1}, {"field", "price"}, {"scale", 2.49}, {"file", 9.99}}}));

    Outcome push = scalectl(port + " plu push " + plu + " --changed");
    EXPECT_EQ(push.exitCode, 0) << push.err;
    lines = objects(push.out);
    ASSERT_EQ(lines.size(), 1u);
    const QJsonObject result = lines[0]["result"].toObject();
    EXPECT_EQ(result["sent"], QJsonValue(1));
    EXPECT_EQ(result["plus"].toArray(), QJsonArray{1});
    EXPECT_GT(result["current"].toInt(), 0);
    std::remove(plu);
    std::remove(records);
}

// A PLU file's text with PLU plu's price replaced, in the regional notation the file is written in.
std::string withPrice(std::string text, int plu, const std::string& price) {
    size_t at = text.find("\n" + std::to_string(plu) + "\t");
    EXPECT_NE(at, std::string::npos) << text;
    at += std::to_string(plu).size() + 2;
    std::string written = price;
    if (text.substr(at + 1, 1) == ",")
        std::replace(written.begin(), written.end(), '.', ',');
    return text.replace(at, text.find('\t', at) - at, written);
}

// What the changed-only push trusts: a dry run decides from the record alone (no PLU read, nothing
// sent, the record as it was); --verify all finds a price changed at the counter that the record
// cannot know; --verify written finds a row the scale acknowledged but did not keep.
TEST_F(ScalectlJson, PriceUpdateChecksTheScaleAsFarAsAsked) {
    const std::string records = first.folder() + "/verify-records.db";
    const std::string plu = first.folder() + "/verify.plu";
    const std::string port = "--format json --records " + records + " --port " + first.linkPath();
    ASSERT_EQ(scalectl(port + " plu pull --from 1 --to 5 -o " + plu).exitCode, 0);
    const std::string pulled = fileText(plu);
    auto result = [](const Outcome& run) {
        std::vector<QJsonObject> lines = objects(run.out);
        return lines.size() == 1 ? lines[0]["result"].toObject() : QJsonObject();
    };
    // The command codes of the requests since the log was cleared.
    auto commands = [this] {
        std::set<uint8_t> codes;
        for (const std::vector<uint8_t>& body : first.sim().requestBodies())
            codes.insert(body.front());
        return codes;
    };

    std::ofstream(plu, std::ios::binary) << withPrice(pulled, 1, "9.99");
    const std::string recordBytes = fileText(records);
    first.sim().clearLog();
    Outcome dry = scalectl(port + " plu push " + plu + " --changed --dry-run");
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(result(dry)["sent"], QJsonValue(1));
    EXPECT_EQ(result(dry)["plus"].toArray(), QJsonArray{1});
    EXPECT_EQ(commands(), (std::set<uint8_t>{0x01})) << "a dry run asks the identity only";
    EXPECT_EQ(fileText(records), recordBytes);
    // The real run makes the same decision, with the same keys.
    Outcome real = scalectl(port + " plu push " + plu + " --changed");
    EXPECT_EQ(real.exitCode, 0) << real.err;
    EXPECT_EQ(result(real)["plus"], result(dry)["plus"]);
    EXPECT_EQ(result(real).keys(), result(dry).keys());

    // PLU 3's price changed at the counter: the record still says the file's.
    int32_t filePrice = 0;
    first.sim().withState([&filePrice](ScaleState& s) {
        filePrice = s.plus[3].price;
        s.plus[3].price = 99999;
    });
    EXPECT_EQ(result(scalectl(port + " plu push " + plu + " --changed"))["sent"], QJsonValue(0));
    Outcome all = scalectl(port + " plu push " + plu + " --changed --verify all");
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(result(all)["plus"].toArray(), QJsonArray{3});
    first.sim().withState([filePrice](ScaleState& s) { EXPECT_EQ(s.plus[3].price, filePrice); });

    // PLU 2's new price is acknowledged but not kept (the identity request, then the write).
    std::ofstream(plu, std::ios::binary) << withPrice(withPrice(pulled, 1, "9.99"), 2, "7.77");
    first.sim().injectFault(Fault::Unstored, 2);
    Outcome written = scalectl(port + " plu push " + plu + " --changed --verify written");
    EXPECT_EQ(written.exitCode, 5) << written.err;
    EXPECT_EQ(result(written)["not_stuck"].toArray(), QJsonArray{2});
    EXPECT_NE(written.err.find("PLU 2: the scale does not hold what was sent"), std::string::npos)
        << written.err;
    // The read-back put the truth in the record: the next push sends PLU 2 again.
    EXPECT_EQ(result(scalectl(port + " plu push " + plu + " --changed"))["plus"].toArray(), QJsonArray{2});
}

// The reports read are kept and listed: history's result holds the archive's entries.
TEST_F(ScalectlJson, HistoryListsTheReportsRead) {
    const std::string options = "--format json --archive " + archive + " --port " + first.linkPath();
    std::vector<QJsonObject> report = objects(scalectl(options + " report --z").out);
    ASSERT_EQ(report.size(), 1u);
    const QJsonObject read = report[0]["result"].toObject();
    EXPECT_EQ(read["kind"], QJsonValue("Z"));
    EXPECT_EQ(read["closed"], QJsonValue(true));
    EXPECT_GT(read["grand_total"].toInteger(), 0);

    Outcome history = scalectl(options + " history");
    EXPECT_EQ(history.exitCode, 0) << history.err;
    std::vector<QJsonObject> lines = objects(history.out);
    ASSERT_EQ(lines.size(), 1u);
    QJsonArray entries = lines[0]["result"].toObject()["entries"].toArray();
    ASSERT_EQ(entries.size(), 1);
    // history lists amounts in the currency unit, the report's result in hundredths.
    EXPECT_EQ(qRound64(entries[0].toObject()["grand_total"].toDouble() * 100),
              read["grand_total"].toInteger());
}

// The workbook is read back by a real spreadsheet reader whatever the desktop's notation: every
// amount to the cent, every moment of reading to the second. A workbook is no text for a terminal,
// and has a file to go to.
TEST_F(ScalectlJson, HistoryWorkbookReadsBackToTheCentOnEveryDesktop) {
    const std::string options = "--archive " + archive + " --port " + first.linkPath();
    ASSERT_EQ(scalectl("--format json " + options + " report --z").exitCode, 0);
    ASSERT_EQ(scalectl("--format json " + options + " report").exitCode, 0);
    std::vector<QJsonObject> listed = objects(scalectl("--format json " + options + " history").out);
    ASSERT_EQ(listed.size(), 1u);
    const QJsonArray entries = listed[0]["result"].toObject()["entries"].toArray();
    ASSERT_EQ(entries.size(), 2);
    for (const char* locale : {"cs_CZ.UTF-8", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        const std::string book = first.folder() + "/history-" + locale + ".xlsx";
        Outcome written = scalectl(options + " history --format xlsx -o " + book, locale);
        ASSERT_EQ(written.exitCode, 0) << written.err;
        Outcome read = shell(std::string("/usr/bin/python3 ") + WORKBOOK_CELLS + " " + book);
        ASSERT_EQ(read.exitCode, 0) << read.err;
        std::vector<QStringList> rows;
        for (const QString& line : QString::fromStdString(read.out).split('\n', Qt::SkipEmptyParts))
            rows.push_back(line.split('\t'));
        ASSERT_EQ(rows.size(), 3u) << read.out;
        for (int e = 0; e < 2; ++e) {
            const QJsonObject entry = entries[e].toObject();
            int amounts = 0;
            for (qsizetype c = 0; c < rows[0].size(); ++c) {
                const QString column = rows[0][c], cell = rows[size_t(e) + 1].value(c);
                const QJsonValue expected = entry[column];
                if (expected.isDouble()) {
                    bool number = false;
                    const double value = cell.toDouble(&number);
                    EXPECT_TRUE(number) << column.toStdString() << " '" << cell.toStdString() << "'";
                    EXPECT_EQ(qRound64(value * 100), qRound64(expected.toDouble() * 100))
                        << column.toStdString();
                    ++amounts;
                } else if (column == "read_at") {
                    const QDateTime when = QDateTime::fromString(cell, Qt::ISODate);
                    const QDateTime known = QDateTime::fromString(expected.toString(), Qt::ISODate);
                    EXPECT_LE(std::abs(QDateTime(when.date(), when.time(), Qt::UTC).secsTo(known)), 1)
                        << cell.toStdString() << " " << expected.toString().toStdString();
                }
            }
            EXPECT_GT(amounts, 40) << "every figure is a number";
        }
    }
    Outcome missing = scalectl(options + " history --format xlsx");
    EXPECT_EQ(missing.exitCode, 64) << missing.err;
    EXPECT_NE(missing.err.find("--format xlsx needs -o FILE"), std::string::npos) << missing.err;
}

// The contract a fleet's playbook relies on: the password from a file or the environment, never the
// command line; one Z a day; a scale that kept its day is exit 6.
TEST_F(ScalectlJson, ZCloseTakesItsPasswordOffTheCommandLineAndClosesOnceADay) {
    first.sim().withState([](ScaleState& s) { s.password = 4711; });
    const std::string options = "--format json --archive " + archive + " --port " + first.linkPath();
    const std::string secret = first.folder() + "/z-password";
    std::ofstream(secret) << "4711\n";
    Outcome run = scalectl(options + " report --z --password-file " + secret);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<QJsonObject> lines = objects(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["result"].toObject()["closed"], QJsonValue(true));

    ASSERT_EQ(setenv("SCALE_Z_PASSWORD", "4711", 1), 0);
    run = scalectl(options + " report --z");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    lines = objects(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["result"].toObject()["closed"], QJsonValue(false));
    EXPECT_EQ(lines[0]["result"].toObject()["skipped"], QJsonValue("already closed today"));

    first.sim().withState([](ScaleState& s) { s.report.grandTotal = 5; });
    ASSERT_EQ(setenv("SCALE_Z_PASSWORD", "1234", 1), 0);
    run = scalectl(options + " report --z");
    unsetenv("SCALE_Z_PASSWORD");
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_NE(run.err.find("The scale did not close the day: check the password"), std::string::npos)
        << run.err;
}

} // namespace
