#include "logo/LogoWindow.h"

#include "logo/LogoUpload.h"
#include "text/DateTimeText.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_LogoWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>

namespace {
const QString kFileFolder = QStringLiteral(".");
} // namespace

LogoWindow::LogoWindow(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::LogoWindow), session(session), logo(std::make_unique<LogoImages>()) {
    ui->setupUi(this);
    setWindowTitle(tr("LOAD LOGO"));
    setDialogFrame(this, 401, 326, DialogFrame::StaysOnTop);
    ui->progressBar->hide();

    connect(ui->loadButton, &QPushButton::clicked, this, &LogoWindow::loadBitmap);
    connect(ui->sendButton, &QPushButton::clicked, this, &LogoWindow::sendToScale);
    connect(ui->brightnessSlider, &QSlider::valueChanged, this, &LogoWindow::convertFromControls);
    connect(ui->contrastSlider, &QSlider::valueChanged, this, &LogoWindow::convertFromControls);
    connect(ui->thresholdBox, &QCheckBox::toggled, this, &LogoWindow::convertFromControls);
}

LogoWindow::~LogoWindow() {
    delete ui;
}

void LogoWindow::loadBitmap() {
    QString fileName = prompts().openFileName(tr("BMP") + QStringLiteral("|*.BMP"), QString(), kFileFolder);
    if (fileName.isEmpty())
        return;
    LogoPictureLoad loaded = loadLogoFile(fileName);
    if (!loaded.error.isEmpty()) {
        prompts().applicationError(
            loaded.error + QLatin1Char('\n') + tr("Only BMP pictures (*.bmp) are taken."), this);
        return;
    }
    takePicture(*logo, loaded.picture);
    convertFromControls();
}

void LogoWindow::convertFromControls() {
    convertLogo(*logo,
                {ui->brightnessSlider->value(), ui->contrastSlider->value(), ui->thresholdBox->isChecked()});
    showPicture();
}

void LogoWindow::showPicture() {
    ui->picture->setPixmap(QPixmap::fromImage(logo->picture));
}

void LogoWindow::sendToScale() {
    if (!session.requireConnection())
        return;
    QProgressBar* progress = ui->progressBar;
    progress->setRange(0, logo->picture.height());
    progress->setValue(0);
    progress->show();
    QElapsedTimer clock;
    clock.start();
    // Between two rows timers and painting run (the line monitor's batches, the bar), but no input:
    // no button or edit starts inside the upload. The terminal's poll waits while the line is held.
    session.lineHeld = true;
    const bool sent = sendLogo(session.line(), logo->picture, [progress](int row) {
        progress->setValue(row);
        progress->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    session.lineHeld = false;
    // Hidden however the upload ended: a bar left at a failed row would look like one still running.
    progress->hide();
    if (sent)
        session.note(tr("Logo sent in %1").arg(minutesSeconds(clock.elapsed())));
}
