// Fixture for tests of the program's windows as real widgets: a PromptRecorder answers every message
// box and file dialog, SetUp creates the six windows afresh and TearDown closes the link and destroys
// them, so that every case starts from the program's start-up state.
//
//     struct LogoWindowTest : FormsTest {
//         void SetUp() override {
//             FormsTest::SetUp();
//             theLogoWindow->show();
//         }
//     };
#pragma once

#include "app/Forms.h"
#include "link/FrameLink.h"
#include "tests/support/PromptRecorder.h"

#include <gtest/gtest.h>

class FormsTest : public ::testing::Test {
protected:
    PromptRecorder recorder;

    void SetUp() override { createForms(); }
    void TearDown() override {
        theLink.close();
        destroyForms();
    }
};
