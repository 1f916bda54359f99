// The progress dialog's protocol: shown with keepRunning set, STOP handled between two records,
// one more record after STOP, hidden and reset afterwards, ready for the next transfer.
#include "ui/ProgressDialog.h"

#include "ui_ProgressDialog.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A click on STOP as the window system delivers it: queued, handled only when messages are processed.
void postClick(QWidget* button) {
    QPointF centre = QRectF(button->rect()).center();
    QPointF global = button->mapToGlobal(centre);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// A record-by-record transfer loop as the PLU transfers run it; returns the records exchanged.
int runTransfer(ProgressDialog& dialog, int records, int stopAfter) {
    int exchanged = 0;
    dialog.begin(records);
    for (int record = 1; record <= records; ++record) {
        ++exchanged;
        if (!dialog.keepRunning)
            break;
        if (record == stopAfter)
            postClick(dialog.ui->stopButton);
        dialog.step(record, QStringLiteral("PLU %1").arg(record));
        EXPECT_EQ(dialog.ui->progressBar->value(), record);
    }
    dialog.finish();
    return exchanged;
}

TEST(ProgressDialog, HasTheDesignFrameAndContents) {
    ProgressDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("WORK..."));
    EXPECT_EQ(dialog.size(), QSize(410, 80));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags &
                 (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->countLabel->text(), QStringLiteral("Label1"));
    EXPECT_EQ(dialog.ui->stopButton->text(), QStringLiteral("STOP"));
    EXPECT_EQ(dialog.ui->progressBar->maximum(), 100);
}

TEST(ProgressDialog, BeginShowsTheDialogReadyToRun) {
    ProgressDialog dialog;
    dialog.begin(1799);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->progressBar->maximum(), 1799);
    EXPECT_EQ(dialog.ui->progressBar->value(), 0);
    dialog.step(7, QStringLiteral("PLU 7"));
    EXPECT_EQ(dialog.ui->countLabel->text(), QStringLiteral("PLU 7"));
    dialog.finish();
}

TEST(ProgressDialog, StopEndsTheLoopAfterOneMoreRecord) {
    ProgressDialog dialog;
    EXPECT_EQ(runTransfer(dialog, 10, 3), 4);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->progressBar->value(), 0);
}

TEST(ProgressDialog, StopOnTheLastRecordEndsWithTheRange) {
    ProgressDialog dialog;
    EXPECT_EQ(runTransfer(dialog, 5, 5), 5);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialog, ASecondTransferRunsAgainAfterAStoppedOne) {
    ProgressDialog dialog;
    runTransfer(dialog, 10, 2);
    dialog.begin(20);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.keepRunning);
    dialog.finish();
    EXPECT_EQ(runTransfer(dialog, 6, 0), 6);
}

TEST(ProgressDialog, AnEmptyRangeLeavesTheNextTransferStartingAtZero) {
    ProgressDialog dialog;
    dialog.begin(-2); // TO below FROM
    dialog.finish();
    dialog.begin(9);
    EXPECT_EQ(dialog.ui->progressBar->minimum(), 0);
    EXPECT_EQ(dialog.ui->progressBar->maximum(), 9);
    dialog.finish();
}

} // namespace
