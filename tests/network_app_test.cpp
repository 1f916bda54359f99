// The main window's port box takes a network port typed into it like a device path.
#include "app/Forms.h"
#include "app/UNIT1.h"
#include "link/FrameLink.h"
#include "tests/support/PromptRecorder.h"
#include "tests/support/Ser2netBridge.h"
#include "tests/support/SimHarness.h"

#include "ui_UNIT1.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(PortBox, ConnectsToATypedNetworkPort) {
    if (Ser2netBridge::program().empty())
        GTEST_SKIP() << Ser2netBridge::kMissing;
    PromptRecorder recorder;
    SimHarness scale;
    Ser2netBridge bridge({scale.sim().slavePath()});
    createForms();
    Ui::TForm1* ui = Form1->ui;

    ui->ComboBox2->setCurrentText(QString::fromStdString(bridge.socketPort(0)));
    Form1->Button11Click();
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages[0].text.toStdString();
    EXPECT_TRUE(Form1->session.isConnected());
    EXPECT_EQ(ui->StaticText1->text(), QStringLiteral("SCALE ID: SCALE SIM 15KG V1.63"));
    Form1->Button11Click();
    EXPECT_FALSE(Form1->session.isConnected());

    bridge.drop();
    ui->ComboBox2->setCurrentText(QString::fromStdString(bridge.socketPort(0)));
    Form1->Button11Click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{cannotOpen});
    EXPECT_FALSE(Form1->session.isConnected());
    destroyForms();
}

} // namespace
