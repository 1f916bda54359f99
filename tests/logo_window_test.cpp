// The logo window as a real widget: its frame and controls, LOAD with the file dialog and the
// loader's refusals, a conversion on every change of the three controls, and SEND TO SCALE with its
// progress bar, refused while disconnected and run against the emulated scale over a pty.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "logo/LogoWindow.h"
#include "tests/support/BitmapWriter.h"
#include "tests/support/FormsTest.h"
#include "tests/support/SimHarness.h"

#include "ui_LogoWindow.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct LogoWindowTest : FormsTest {
    SimHarness scale;
    Ui::LogoWindow* ui = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        ui = theLogoWindow->ui;
        theLogoWindow->show();
    }

    QString path(const char* name) const { return QString::fromStdString(scale.folder()) + '/' + name; }
    // A bitmap of one colour, by default gray 128 ((19 + 38 + 6) × 131 / 64), loaded with LOAD.
    QString loadGray(const char* name, int width, int height, QRgb colour = qRgb(131, 131, 131)) {
        QString file = path(name);
        writeFileBytes(
            file, bitmapBytes(width, height, 8, RowOrder::TopDown, [colour](int, int) { return colour; }));
        recorder.scriptedFileNames << file;
        ui->loadButton->click();
        return file;
    }
    int shownBlackDots() const {
        QImage shown = ui->picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        int black = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                black += shown.pixel(x, y) == qRgb(0, 0, 0);
        return black;
    }
};

TEST_F(LogoWindowTest, FrameAndControlsFollowTheDesign) {
    EXPECT_EQ(theLogoWindow->windowTitle(), QStringLiteral("LOAD LOGO"));
    EXPECT_EQ(theLogoWindow->size(), QSize(401, 326));
    EXPECT_EQ(theLogoWindow->minimumSize(), theLogoWindow->maximumSize());
    EXPECT_TRUE(theLogoWindow->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(ui->picture->size(), QSize(384, 250));
    EXPECT_EQ(ui->loadButton->text(), QStringLiteral("LOAD"));
    EXPECT_EQ(ui->sendButton->text(), QStringLiteral("SEND TO SCALE"));
    EXPECT_EQ(ui->thresholdBox->text(), QStringLiteral("50% Threshold"));
    EXPECT_FALSE(ui->thresholdBox->isChecked());
    struct Bar {
        QSlider* slider;
        int minimum, maximum, value;
    };
    for (Bar bar : {Bar{ui->brightnessSlider, -128, 128, 0}, Bar{ui->contrastSlider, 0, 255, 128}}) {
        EXPECT_EQ(bar.slider->minimum(), bar.minimum);
        EXPECT_EQ(bar.slider->maximum(), bar.maximum);
        EXPECT_EQ(bar.slider->value(), bar.value);
        EXPECT_EQ(bar.slider->pageStep(), 16);
        EXPECT_EQ(bar.slider->tickInterval(), 32);
        EXPECT_NE(bar.slider->tickPosition(), QSlider::NoTicks);
        EXPECT_TRUE(bar.slider->hasTracking()) << "every movement converts, dragging included";
    }
    EXPECT_FALSE(ui->progressBar->isVisible());
    // Every control geometry lies inside the client area.
    for (QWidget* control : theLogoWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(theLogoWindow->rect().contains(control->geometry()))
            << control->objectName().toStdString();
}

TEST_F(LogoWindowTest, LoadShowsTheConvertedPictureAndKeepsItOnRefusal) {
    recorder.scriptedFileNames << QString(); // cancelled: nothing happens
    ui->loadButton->click();
    ASSERT_EQ(recorder.fileRequests.size(), 1u);
    EXPECT_FALSE(recorder.fileRequests[0].save);
    EXPECT_EQ(recorder.fileRequests[0].filter, QStringLiteral("BMP|*.BMP"));
    EXPECT_EQ(recorder.fileRequests[0].folder, QStringLiteral("."));
    EXPECT_TRUE(ui->picture->pixmap().isNull());

    loadGray("GRAY.BMP", 200, 300);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(theLogoWindow->images().picture.size(), QSize(384, 250));
    EXPECT_EQ(ui->picture->pixmap().size(), QSize(384, 250));
    const int dithered = shownBlackDots();
    EXPECT_GT(dithered, 0);
    EXPECT_LT(dithered, 200 * 250); // the white margin and half the gray stay white

    QString bad = path("BAD.BMP");
    writeFileBytes(bad, "no picture here");
    recorder.scriptedFileNames << bad << path("MISSING.BMP");
    ui->loadButton->click();
    ui->loadButton->click();
    EXPECT_EQ(recorder.messages,
              (std::vector<RecordedPrompt>{
                  {applicationTitle(), "Bitmap image is not valid\nOnly BMP pictures (*.bmp) are taken."},
                  {applicationTitle(),
                   "Cannot open file " + path("MISSING.BMP") + "\nOnly BMP pictures (*.bmp) are taken."}}));
    EXPECT_EQ(recorder.messageWindows, std::vector<QWidget*>(2, theLogoWindow)) << "over the logo window";
    EXPECT_EQ(theLogoWindow->images().picture.size(), QSize(384, 250));
    EXPECT_EQ(theLogoWindow->images().grayImage[0], 128);
    EXPECT_EQ(shownBlackDots(), dithered);
}

TEST_F(LogoWindowTest, EveryChangeOfTheControlsConvertsAgain) {
    // Gray 147 (150 × 63 / 64), whose curve value T[147] is 10: with contrast 128 it adds 12.
    loadGray("GRAY.BMP", 384, 20, qRgb(150, 150, 150));
    ui->thresholdBox->click(); // threshold: 147 + 12 = 159, white
    EXPECT_EQ(shownBlackDots(), 0);
    // Dragging: each position on the way converts, not only the release.
    ui->brightnessSlider->setSliderDown(true);
    ui->brightnessSlider->setSliderPosition(-31); // 116 + 12 = 128, white
    EXPECT_EQ(shownBlackDots(), 0);
    ui->brightnessSlider->setSliderPosition(-32); // 115 + 12 = 127, black
    EXPECT_EQ(shownBlackDots(), 384 * 20);
    ui->brightnessSlider->setSliderDown(false);
    // A page up from the keyboard moves by 16.
    ui->brightnessSlider->setFocus();
    QTest::keyClick(ui->brightnessSlider, Qt::Key_PageUp);
    EXPECT_EQ(ui->brightnessSlider->value(), -16);
    EXPECT_EQ(shownBlackDots(), 0);
    ui->brightnessSlider->setValue(-30); // 117 + 12 = 129, white
    EXPECT_EQ(shownBlackDots(), 0);
    ui->contrastSlider->setValue(0); // 117, black
    EXPECT_EQ(shownBlackDots(), 384 * 20);
    ui->thresholdBox->click(); // dithering again from the kept gray levels
    const int dithered = shownBlackDots();
    EXPECT_GT(dithered, 384 * 20 / 2);
    EXPECT_LT(dithered, 384 * 20);
}

TEST_F(LogoWindowTest, SendRefusedWhileDisconnected) {
    loadGray("GRAY.BMP", 10, 10);
    ui->sendButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});
    EXPECT_FALSE(ui->progressBar->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

TEST_F(LogoWindowTest, SendBeforeAnyPictureSendsTheRowCountZero) {
    ASSERT_TRUE(theLink.open(1, 115200));
    ui->sendButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(scale.sim().requestBodies(), (std::vector<std::vector<uint8_t>>{{0x24, 0, 0, 0}}));
}

TEST_F(LogoWindowTest, SendShowsProgressOnlyWhileItRuns) {
    loadGray("GRAY.BMP", 384, 100);
    ASSERT_TRUE(theLink.open(1, 115200));
    std::vector<std::pair<int, bool>> progress; // value and visibility at every step
    QObject::connect(ui->progressBar, &QProgressBar::valueChanged, [this, &progress](int value) {
        progress.emplace_back(value, ui->progressBar->isVisible());
    });
    ui->sendButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ui->progressBar->maximum(), 100);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(99, true));
    EXPECT_FALSE(ui->progressBar->isVisible());
    std::vector<std::vector<uint8_t>> bodies = scale.sim().requestBodies();
    ASSERT_EQ(bodies.size(), 101u);
    EXPECT_EQ(bodies[0], (std::vector<uint8_t>{0x24, 0, 0, 100}));
    EXPECT_EQ(bodies[100][1] << 8 | bodies[100][2], 1 + 48 * 99);
    // What is sent is what is shown.
    QImage shown = ui->picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 384; ++x)
            wrong += bool(bodies[size_t(1 + y)][size_t(3 + x / 8)] & (0x80 >> (x % 8))) !=
                     (shown.pixel(x, y) == qRgb(0, 0, 0));
    EXPECT_EQ(wrong, 0);
}

// Timers run between two rows (the line monitor's batches keep coming), the terminal's poll sees the
// line held, and the note beside the tabs says how long the upload took.
TEST_F(LogoWindowTest, SendLetsTimersRunAndNotesItsTime) {
    loadGray("GRAY.BMP", 384, 100);
    ASSERT_TRUE(theLink.open(1, 115200));
    int rowAtTimer = -1;
    bool heldAtTimer = false;
    QTimer::singleShot(0, [this, &rowAtTimer, &heldAtTimer] {
        rowAtTimer = ui->progressBar->value();
        heldAtTimer = theMainWindow->session.transferRunning();
    });
    ui->sendButton->click();
    EXPECT_GE(rowAtTimer, 0) << "the timer ran only after the upload";
    EXPECT_LT(rowAtTimer, 99);
    EXPECT_TRUE(heldAtTimer);
    EXPECT_FALSE(theMainWindow->session.transferRunning());
    EXPECT_TRUE(theMainWindow->noteLabel->text().startsWith(QStringLiteral("Logo sent in 0:")))
        << theMainWindow->noteLabel->text().toStdString();
}

TEST_F(LogoWindowTest, AFailedSendReportsAndHidesTheProgressBar) {
    loadGray("GRAY.BMP", 384, 10);
    ASSERT_TRUE(theLink.open(1, 115200));
    QObject::connect(ui->progressBar, &QProgressBar::valueChanged, [this](int value) {
        if (value == 3)
            scale.sim().injectFault(Fault::Nak, 3); // every attempt at row 4 fails
    });
    ui->sendButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
    EXPECT_FALSE(ui->progressBar->isVisible());
    std::vector<std::vector<uint8_t>> bodies = scale.sim().requestBodies();
    ASSERT_EQ(bodies.size(), 1u + 4u + 3u) << "header, rows 0 to 3, three attempts at row 4, nothing after";
    EXPECT_EQ(bodies.back()[1] << 8 | bodies.back()[2], 1 + 48 * 4);
    EXPECT_TRUE(theMainWindow->noteLabel->text().isEmpty()) << "a failed upload is no upload";
}
} // namespace
