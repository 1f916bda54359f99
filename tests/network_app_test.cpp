// The main window's port box takes a network port typed into it like a device path.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "tests/support/PromptRecorder.h"
#include "tests/support/Ser2netBridge.h"
#include "tests/support/SimHarness.h"

#include "ui_MainWindow.h"

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
    Ui::MainWindow* ui = theMainWindow->ui;

    ui->portCombo->setCurrentText(QString::fromStdString(bridge.socketPort(0)));
    theMainWindow->connectOrDisconnect();
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages[0].text.toStdString();
    EXPECT_TRUE(theMainWindow->session.isConnected());
    EXPECT_EQ(ui->scaleIdLabel->text(), QStringLiteral("SCALE ID: SCALE SIM 15KG V1.63"));
    theMainWindow->connectOrDisconnect();
    EXPECT_FALSE(theMainWindow->session.isConnected());

    bridge.drop();
    ui->portCombo->setCurrentText(QString::fromStdString(bridge.socketPort(0)));
    theMainWindow->connectOrDisconnect();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{cannotOpen});
    EXPECT_FALSE(theMainWindow->session.isConnected());
    destroyForms();
}

} // namespace
