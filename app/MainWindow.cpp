#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/Forms.h"
#include "app/HelpWindow.h"
#include "app/WindowState.h"
#include "link/Command.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"
#include "metrology/SystemTab.h"
#include "plu/PluTab.h"
#include "reports/ReportsTab.h"
#include "service/FindScale.h"
#include "settings/SettingsTab.h"
#include "terminal/TerminalWindow.h"
#include "text/CodePage.h"
#include "text/Numbers.h"
#include "ui/EditableCombo.h"
#include "ui/Prompts.h"
#include "ui/WindowFrames.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace {

const QColor disconnectedColour(0, 128, 0);
const QColor connectedColour(0, 255, 0);

} // namespace

QString MainWindow::stateFile;

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), ui(new Ui::MainWindow) {
    ui->setupUi(this);
    // Fixed frame with the system menu and the minimise box, but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(890, 524);

    // Beside COM1 to COM8, the COM ports the system has (a USB adapter's COM9 and up on Windows).
    for (const std::string& port : systemSerialPorts())
        if (comPortNumber(port) && ui->portCombo->findText(QString::fromStdString(port)) < 0)
            ui->portCombo->addItem(QString::fromStdString(port));
    makeEditableCombo(ui->portCombo);
    makeEditableCombo(ui->baudCombo);
    // The status text in a fixed-pitch font; the hints make font matching pick a monospaced face even
    // where the system's fixed font is not configured.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    ui->statusLabel->setFont(fixed);
    ui->connectionLight->setBrushColor(disconnectedColour);
    // The identity label sits over the tab row. Its text comes from the scale, so the .ui makes it
    // plain text: an identity with something like "<b>" in it reads as the scale sent it.
    ui->scaleIdLabel->raise();

    connect(&session, &ScaleSession::statusReceived, this, &MainWindow::showStatus);
    statusCaption = ui->statusLabel->text();
    connect(&session, &ScaleSession::portLost, this, &MainWindow::showPortLost);

    pluTab = new PluTab(session, ui->pluPage);
    auto* pluLayout = new QVBoxLayout(ui->pluPage);
    pluLayout->setContentsMargins(0, 0, 0, 0);
    pluLayout->addWidget(pluTab);
    reportsTab = new ReportsTab(session, ui->reportsPage);
    auto* reportsLayout = new QVBoxLayout(ui->reportsPage);
    reportsLayout->setContentsMargins(0, 0, 0, 0);
    reportsLayout->addWidget(reportsTab);

    systemTab = new SystemTab(session, ui->systemPage);
    auto* systemLayout = new QVBoxLayout(ui->systemPage);
    systemLayout->addWidget(systemTab);

    settingsTab = new SettingsTab(session, ui->settingsPage);
    auto* settingsLayout = new QVBoxLayout(ui->settingsPage);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(settingsTab);
    // The HISTORY window labels its charts with the SETTINGS tab's clerk names and currency.
    session.clerkNames = [this] {
        const Settings s = settingsTab->settings();
        return QStringList(s.clerks.begin(), s.clerks.end());
    };
    session.currency = [this] { return settingsTab->settings().currency; };

    // A line beside the tabs for what the program has to say without a box: what FIND found and
    // changed, what to try when CONNECT failed.
    // The tab widget sets its corner widget's own margins; the note's distance from the right edge
    // is kept by a layout around it.
    auto* noteCorner = new QWidget(ui->pages);
    noteCornerLayout = new QHBoxLayout(noteCorner);
    noteLabel = new QLabel(noteCorner);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteCornerLayout->addWidget(noteLabel);
    keepNoteClearOfScaleId();
    ui->pages->setCornerWidget(noteCorner, Qt::TopRightCorner);
    connect(&session, &ScaleSession::noted, noteLabel, &QLabel::setText);

    connect(ui->closeButton, &QPushButton::clicked, this, &MainWindow::closeProgram);
    connect(ui->connectButton, &QPushButton::clicked, this, &MainWindow::connectOrDisconnect);
    connect(ui->helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(ui->terminalButton, &QPushButton::clicked, this, &MainWindow::showTerminal);
    connect(ui->findButton, &QPushButton::clicked, this, &MainWindow::searchForScale);
    lineMonitorAction = new QAction(tr("Line monitor"), this);
    lineMonitorAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(lineMonitorAction);
    connect(lineMonitorAction, &QAction::triggered, this, &MainWindow::showLineMonitor);

    centreOnScreen(this);
    startUp();
}

MainWindow::~MainWindow() {
    delete ui;
}

void MainWindow::startUp() {
    ui->pages->setCurrentWidget(ui->pluPage);
    ui->pages->setTabVisible(ui->pages->indexOf(ui->systemPage), false);
    // Initial combo-box items: the connection bar's, then the SETTINGS and SYSTEM tabs'.
    ui->baudCombo->setCurrentIndex(3);
    ui->portCombo->setCurrentIndex(0);
    settingsTab->selectStartItems();
    systemTab->selectInitialItems();

    // Grid headings and row numbers: the PLU grid, then the settings grids.
    pluTab->writeHeadings();
    settingsTab->writeHeadings();

    // Restored texts override the selections above; the PLU range and the clock are set after it.
    restoreWindowState();
    pluTab->selectAll();

    // Last: the clock field takes the PC's time, whatever a stored text said.
    settingsTab->clockFromPc();
}

void MainWindow::shutDown() {
    saveWindowState();
}

void MainWindow::saveWindowState() {
    // A file that cannot be written costs only the saved state; nothing holds up the close.
    if (!stateFile.isEmpty())
        windowstate::saveStateFile(stateFile, windowTitle(), windowstate::controlsUnder(this));
}

void MainWindow::restoreWindowState() {
    if (!stateFile.isEmpty())
        windowstate::restoreStateFile(stateFile, windowTitle(), windowstate::controlsUnder(this));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
    // Secondary windows may still be open; closing the main window ends the program all the same.
    QCoreApplication::quit();
}

void MainWindow::keepNoteClearOfScaleId() {
    // The note and the scale's identity share the row right of the tabs; the note ends left of it.
    const QString id = ui->scaleIdLabel->text();
    const int idWidth = id.isEmpty() ? 0 : ui->scaleIdLabel->fontMetrics().horizontalAdvance(id) + 16;
    noteCornerLayout->setContentsMargins(0, 0, 6 + idWidth, 0);
}

void MainWindow::showStatus(uint8_t status) {
    ui->statusLabel->setText(
        tr("STATUS:%1").arg(QStringLiteral("%1").arg(status, 2, 16, QLatin1Char('0')).toUpper()));
    ui->pages->setTabVisible(ui->pages->indexOf(ui->systemPage), (status & kCalibrationBit) != 0);
}

void MainWindow::showDisconnected() {
    ui->scaleIdLabel->clear();
    keepNoteClearOfScaleId();
    session.scaleIdentity.clear();
    ui->connectButton->setText(tr("CONNECT"));
    ui->connectionLight->setBrushColor(disconnectedColour);
    ui->pages->setCurrentWidget(ui->pluPage);
    ui->pages->setTabVisible(ui->pages->indexOf(ui->systemPage), false);
}

void MainWindow::showPortLost() {
    showDisconnected();
    // The last status came from a scale no longer reached.
    ui->statusLabel->setText(statusCaption);
}

void MainWindow::connectOrDisconnect() {
    if (ui->connectButton->text() == tr("DISCONNECT")) {
        showDisconnected();
        theLink.close();
        return;
    }
    session.runHandler([this] {
        int32_t baud = strToInt(ui->baudCombo->currentText());
        // A device path or a network port (socket://, rfc2217://) typed into the port box is opened
        // as it stands, and a COM name (listed or typed: COM12 of a USB adapter) by its number;
        // otherwise the selected item's place is the port, and no selection gives port 0, which fails.
        std::string portText = ui->portCombo->currentText().toLocal8Bit().toStdString();
        const std::optional<int> number = comPortNumber(portText);
        bool opened = isPortPath(portText)
                          ? theLink.openDevice(portText, baud)
                          : theLink.open(number ? *number : ui->portCombo->currentIndex() + 1, baud);
        if (!opened) {
            prompts().message(tr("Error!"), tr("Cannot initialize COM port!"));
            noteLabel->setText(tr("The port did not open: FIND tries every port and rate."));
            return;
        }
        std::optional<std::string> identity = requestIdentity(session.line());
        if (!identity) {
            theLink.close();
            noteLabel->setText(tr("No scale answered at %1 baud: FIND tries every port and rate.").arg(baud));
            return;
        }
        // The scale's record is found by the port as named and the identity it reported.
        session.portName = ui->portCombo->currentText();
        ++session.connection;
        session.scaleIdentity = fromCp1250(*identity);
        ui->scaleIdLabel->setText(tr("SCALE ID: ") + session.scaleIdentity);
        keepNoteClearOfScaleId();
        noteLabel->clear();
        ui->connectButton->setText(tr("DISCONNECT"));
        ui->connectionLight->setBrushColor(connectedColour);
    });
}

void MainWindow::closeProgram() {
    close();
}

void MainWindow::showHelp() {
    theHelpWindow->show();
}

void MainWindow::showTerminal() {
    if (session.requireConnection())
        theTerminalWindow->show();
}

void MainWindow::searchForScale() {
    // A device path or network port typed into the port box is tried first, then every port there is.
    std::vector<std::string> ports;
    std::string typed = ui->portCombo->currentText().toLocal8Bit().toStdString();
    if (isPortPath(typed))
        ports.push_back(typed);
    for (const std::string& port : defaultSearchPorts())
        ports.push_back(port);
    std::optional<FoundScale> found = findScale(session, ports, defaultSearchBauds());
    if (!found)
        return;
    const QString formerPort = ui->portCombo->currentText();
    const QString formerBaud = ui->baudCombo->currentText();
    QString port = QString::fromLocal8Bit(found->port);
    int portIndex = ui->portCombo->findText(port);
    ui->portCombo->setCurrentIndex(portIndex);
    if (portIndex < 0)
        ui->portCombo->setEditText(port);
    QString baud = QString::number(found->baud);
    int baudIndex = ui->baudCombo->findText(baud);
    ui->baudCombo->setCurrentIndex(baudIndex);
    if (baudIndex < 0)
        ui->baudCombo->setEditText(baud);
    // Where the scale is and what FIND changed, so the boxes do not change without a word.
    QStringList changed;
    if (formerPort != port)
        changed << tr("port %1 -> %2").arg(formerPort, port);
    if (formerBaud != baud)
        changed << tr("baud %1 -> %2").arg(formerBaud, baud);
    noteLabel->setText(tr("Scale found on %1 at %2 baud").arg(port, baud) +
                       (changed.isEmpty()
                            ? tr(" (settings unchanged)")
                            : QStringLiteral(" (") + changed.join(QStringLiteral(", ")) + QLatin1Char(')')) +
                       tr(": press CONNECT."));
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Only the connection bar, above its rule, has this menu; the tabs keep theirs.
    if (event->pos().y() >= ui->barRule->y()) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menu.addAction(lineMonitorAction);
    menu.exec(event->globalPos());
}

void MainWindow::showLineMonitor() {
    if (session.lineMonitor)
        ScaleSession::showWindow(session.lineMonitor);
}
