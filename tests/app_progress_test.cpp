// The progress dialog's protocol: shown with keepRunning set, STOP handled between two records,
// one more record after STOP, hidden and reset afterwards, ready for the next transfer.
#include "ui/Unit2.h"

#include "ui_Unit2.h"

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
int runTransfer(TForm2& dialog, int records, int stopAfter) {
    int exchanged = 0;
    dialog.begin(records);
    for (int record = 1; record <= records; ++record) {
        ++exchanged;
        if (!dialog.keepRunning)
            break;
        if (record == stopAfter)
            postClick(dialog.ui->Button1);
        dialog.step(record, QStringLiteral("%1 PLUs").arg(record));
        EXPECT_EQ(dialog.ui->ProgressBar1->value(), record);
    }
    dialog.finish();
    return exchanged;
}

TEST(ProgressDialog, HasTheDesignFrameAndContents) {
    TForm2 dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("WORK..."));
    EXPECT_EQ(dialog.size(), QSize(410, 80));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags &
                 (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->Label1->text(), QStringLiteral("Label1"));
    EXPECT_EQ(dialog.ui->Button1->text(), QStringLiteral("STOP"));
    EXPECT_EQ(dialog.ui->ProgressBar1->maximum(), 100);
}

TEST(ProgressDialog, BeginShowsTheDialogReadyToRun) {
    TForm2 dialog;
    dialog.begin(1799);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->ProgressBar1->maximum(), 1799);
    EXPECT_EQ(dialog.ui->ProgressBar1->value(), 0);
    dialog.step(7, QStringLiteral("7 PLUs"));
    EXPECT_EQ(dialog.ui->Label1->text(), QStringLiteral("7 PLUs"));
    dialog.finish();
}

TEST(ProgressDialog, StopEndsTheLoopAfterOneMoreRecord) {
    TForm2 dialog;
    EXPECT_EQ(runTransfer(dialog, 10, 3), 4);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.keepRunning);
    EXPECT_EQ(dialog.ui->ProgressBar1->value(), 0);
}

TEST(ProgressDialog, StopOnTheLastRecordEndsWithTheRange) {
    TForm2 dialog;
    EXPECT_EQ(runTransfer(dialog, 5, 5), 5);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialog, ASecondTransferRunsAgainAfterAStoppedOne) {
    TForm2 dialog;
    runTransfer(dialog, 10, 2);
    dialog.begin(20);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.keepRunning);
    dialog.finish();
    EXPECT_EQ(runTransfer(dialog, 6, 0), 6);
}

TEST(ProgressDialog, AnEmptyRangeLeavesTheNextTransferStartingAtZero) {
    TForm2 dialog;
    dialog.begin(-2); // TO below FROM
    dialog.finish();
    dialog.begin(9);
    EXPECT_EQ(dialog.ui->ProgressBar1->minimum(), 0);
    EXPECT_EQ(dialog.ui->ProgressBar1->maximum(), 9);
    dialog.finish();
}

} // namespace
