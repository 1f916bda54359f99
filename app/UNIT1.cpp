#include "app/UNIT1.h"

#include "ui_UNIT1.h"

#include "app/Forms.h"
#include "app/Unit5.h"
#include "app/WindowState.h"
#include "link/Command.h"
#include "link/FrameLink.h"
#include "metrology/SystemTab.h"
#include "plu/PluTab.h"
#include "reports/ReportsTab.h"
#include "service/FindScale.h"
#include "settings/SettingsTab.h"
#include "terminal/Unit3.h"
#include "text/CodePage.h"
#include "text/Numbers.h"
#include "ui/EditableCombo.h"
#include "ui/Prompts.h"
#include "ui/WindowFrames.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QColor disconnectedColour(0, 128, 0);
const QColor connectedColour(0, 255, 0);
const QString errorTitle = QStringLiteral("Error!");
const QString disconnectCaption = QStringLiteral("DISCONNECT");

} // namespace

QString TForm1::stateFile;

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(new Ui::TForm1) {
    ui->setupUi(this);
    // Fixed frame with the system menu and the minimise box, but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(890, 524);

    makeEditableCombo(ui->ComboBox2);
    makeEditableCombo(ui->ComboBox1);
    // The status text in a fixed-pitch font; the hints make font matching pick a monospaced face even
    // where the system's fixed font is not configured.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    ui->Label4->setFont(fixed);
    ui->Shape1->setBrushColor(disconnectedColour);
    // The identity label sits over the tab row. Its text comes from the scale, so the .ui makes it
    // plain text: an identity with something like "<b>" in it reads as the scale sent it.
    ui->StaticText1->raise();

    connect(&session, &ScaleSession::statusReceived, this, &TForm1::showStatus);

    pluTab = new PluTab(session, ui->TabSheet1);
    auto* pluLayout = new QVBoxLayout(ui->TabSheet1);
    pluLayout->setContentsMargins(0, 0, 0, 0);
    pluLayout->addWidget(pluTab);
    reportsTab = new ReportsTab(session, ui->TabSheet3);
    auto* reportsLayout = new QVBoxLayout(ui->TabSheet3);
    reportsLayout->setContentsMargins(0, 0, 0, 0);
    reportsLayout->addWidget(reportsTab);

    systemTab = new SystemTab(session, ui->TabSheet4);
    auto* systemLayout = new QVBoxLayout(ui->TabSheet4);
    systemLayout->addWidget(systemTab);

    settingsTab = new SettingsTab(session, ui->TabSheet2);
    auto* settingsLayout = new QVBoxLayout(ui->TabSheet2);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(settingsTab);

    connect(ui->Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(ui->Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(ui->Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
    connect(ui->Button16, &QPushButton::clicked, this, &TForm1::Button16Click);
    connect(ui->FindButton, &QPushButton::clicked, this, &TForm1::FindClick);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &TForm1::MonitorClick);

    centreOnScreen(this);
    FormCreate();
}

TForm1::~TForm1() {
    delete ui;
}

void TForm1::FormCreate() {
    ui->PageControl1->setCurrentWidget(ui->TabSheet1);
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->TabSheet4), false);
    // Initial combo-box items: the connection bar's, then the SETTINGS and SYSTEM tabs'.
    ui->ComboBox1->setCurrentIndex(3);
    ui->ComboBox2->setCurrentIndex(0);
    settingsTab->selectStartItems();
    systemTab->selectInitialItems();

    // Grid headings and row numbers: the PLU grid, then the settings grids.
    pluTab->writeHeadings();
    settingsTab->writeHeadings();

    // Restored texts override the selections above; the PLU range and the clock are set after it.
    restoreall();
    pluTab->Button12Click();

    // Last: the clock field takes the PC's time, whatever a stored text said.
    settingsTab->Button3Click();
}

void TForm1::FormClose() {
    saveall();
}

void TForm1::saveall() {
    // A file that cannot be written costs only the saved state; nothing holds up the close.
    if (!stateFile.isEmpty())
        windowstate::saveStateFile(stateFile, windowTitle(), windowstate::controlsUnder(this));
}

void TForm1::restoreall() {
    if (!stateFile.isEmpty())
        windowstate::restoreStateFile(stateFile, windowTitle(), windowstate::controlsUnder(this));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    // Secondary windows may still be open; closing the main window ends the program all the same.
    QCoreApplication::quit();
}

void TForm1::showStatus(uint8_t status) {
    ui->Label4->setText(QStringLiteral("STATUS:%1").arg(status, 2, 16, QLatin1Char('0')).toUpper());
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->TabSheet4),
                                    (status & kCalibrationBit) != 0);
}

void TForm1::Button11Click() {
    if (ui->Button11->text() == disconnectCaption) {
        ui->StaticText1->clear();
        session.scaleIdentity.clear();
        ui->Button11->setText(QStringLiteral("CONNECT"));
        ui->Shape1->setBrushColor(disconnectedColour);
        ui->PageControl1->setCurrentWidget(ui->TabSheet1);
        ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->TabSheet4), false);
        theLink.close();
        return;
    }
    session.runHandler([this] {
        int32_t baud = strToInt(ui->ComboBox1->currentText());
        // A device path or a network port (socket://, rfc2217://) typed into the port box is opened
        // as it stands; otherwise the selected item is the port, and no selection gives port 0, which
        // fails.
        std::string portText = ui->ComboBox2->currentText().toLocal8Bit().toStdString();
        bool opened = isPortPath(portText)
                          ? theLink.openDevice(portText, baud)
                          : theLink.open(static_cast<uint8_t>(ui->ComboBox2->currentIndex() + 1), baud);
        if (!opened) {
            prompts().message(errorTitle, QStringLiteral("Cannot initialize COM port!"));
            return;
        }
        std::optional<std::string> identity = requestIdentity(session.line());
        if (!identity) {
            theLink.close();
            return;
        }
        // The scale's record is found by the port as named and the identity it reported.
        session.portName = ui->ComboBox2->currentText();
        session.scaleIdentity = fromCp1250(*identity);
        ui->StaticText1->setText(QStringLiteral("SCALE ID: ") + session.scaleIdentity);
        ui->Button11->setText(disconnectCaption);
        ui->Shape1->setBrushColor(connectedColour);
    });
}

void TForm1::Button10Click() {
    close();
}

void TForm1::Button15Click() {
    Form5->show();
}

void TForm1::Button16Click() {
    if (session.requireConnection())
        Form3->show();
}

void TForm1::FindClick() {
    // A device path or network port typed into the port box is tried first, then every port there is.
    std::vector<std::string> ports;
    std::string typed = ui->ComboBox2->currentText().toLocal8Bit().toStdString();
    if (isPortPath(typed))
        ports.push_back(typed);
    for (const std::string& port : defaultSearchPorts())
        ports.push_back(port);
    std::optional<FoundScale> found = findScale(session, ports, defaultSearchBauds());
    if (!found)
        return;
    QString port = QString::fromLocal8Bit(found->port);
    int portIndex = ui->ComboBox2->findText(port);
    ui->ComboBox2->setCurrentIndex(portIndex);
    if (portIndex < 0)
        ui->ComboBox2->setEditText(port);
    QString baud = QString::number(found->baud);
    int baudIndex = ui->ComboBox1->findText(baud);
    ui->ComboBox1->setCurrentIndex(baudIndex);
    if (baudIndex < 0)
        ui->ComboBox1->setEditText(baud);
}

void TForm1::MonitorClick() {
    if (session.lineMonitor)
        ScaleSession::showWindow(session.lineMonitor);
}
