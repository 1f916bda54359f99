// A scalectl port run on a link opened on the emulated scale, so that tests run the commands'
// parsers and jobs in-process and read what they wrote:
//
//     struct MyTest : ::testing::Test, SimPortRun {};
//     EXPECT_EQ(runParsed(parseKey({"7"}), run), kExitOk);
//     EXPECT_EQ(scale.sim().requestBodies(), ...);
#pragma once

#include "cli/Cli.h"
#include "tests/support/SimHarness.h"

#include <sstream>
#include <stdexcept>

struct SimPortRun {
    SimHarness scale;
    FrameLink link;
    std::ostringstream out, err;
    PortRun run{link, "COM1", out, err};

    SimPortRun() {
        if (!link.openDevice(scale.linkPath(), 9600))
            throw std::runtime_error("cannot open the emulated scale's line");
    }
};
