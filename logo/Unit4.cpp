#include "logo/Unit4.h"

#include "logo/LogoUpload.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_Unit4.h"

#include <QPixmap>

namespace {
const QString kFileFilter = QStringLiteral("BMP|*.BMP");
const QString kFileFolder = QStringLiteral(".");
} // namespace

TForm4::TForm4(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm4), session(session), logo(std::make_unique<LogoImages>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("LOAD LOGO"));
    setDialogFrame(this, 401, 326, DialogFrame::StaysOnTop);
    ui->ProgressBar1->hide();

    connect(ui->Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(ui->TrackBar1, &QSlider::valueChanged, this, &TForm4::convertFromControls);
    connect(ui->TrackBar2, &QSlider::valueChanged, this, &TForm4::convertFromControls);
    connect(ui->CheckBox1, &QCheckBox::toggled, this, &TForm4::convertFromControls);
}

TForm4::~TForm4() {
    delete ui;
}

void TForm4::Button1Click() {
    QString fileName = prompts().openFileName(kFileFilter, QString(), kFileFolder);
    if (fileName.isEmpty())
        return;
    LogoPictureLoad loaded = loadLogoFile(fileName);
    if (!loaded.error.isEmpty()) {
        prompts().applicationError(loaded.error);
        return;
    }
    takePicture(*logo, loaded.picture);
    convertFromControls();
}

void TForm4::convertFromControls() {
    convertLogo(*logo, {ui->TrackBar1->value(), ui->TrackBar2->value(), ui->CheckBox1->isChecked()});
    showPicture();
}

void TForm4::showPicture() {
    ui->Image1->setPixmap(QPixmap::fromImage(logo->picture));
}

void TForm4::Button2Click() {
    if (!session.requireConnection())
        return;
    QProgressBar* progress = ui->ProgressBar1;
    progress->setRange(0, logo->picture.height());
    progress->setValue(0);
    progress->show();
    // Nothing else is handled during the upload, so the bar paints itself at every row.
    sendLogo(session.line(), logo->picture, [progress](int row) {
        progress->setValue(row);
        progress->repaint();
    });
    // Hidden however the upload ended: a bar left at a failed row would look like one still running.
    progress->hide();
}
