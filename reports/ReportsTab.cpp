#include "reports/ReportsTab.h"

#include "reports/HistoryWindow.h"
#include "reports/SalesHistory.h"
#include "reports/Unit6.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_ReportsTab.h"

#include <QFontMetrics>

namespace {
const QString kFileFilter = QStringLiteral("Text files|*.TXT");
const QString kFileSuffix = QStringLiteral("TXT");
// The report's columns are made with tabs; a tab stop every eight average characters lines them up.
constexpr int kTabStopCharacters = 8;
} // namespace

ReportsTab::ReportsTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::ReportsTab), session(session) {
    ui->setupUi(this);
    ui->Memo3->setTabStopDistance(kTabStopCharacters * QFontMetrics(ui->Memo3->font()).averageCharWidth());
    connect(ui->Button18, &QPushButton::clicked, this, &ReportsTab::Button18Click);
    connect(ui->Button19, &QPushButton::clicked, this, &ReportsTab::Button19Click);
    connect(ui->Button20, &QPushButton::clicked, this, &ReportsTab::Button20Click);
    connect(ui->Button31, &QPushButton::clicked, this, &ReportsTab::Button31Click);
    connect(ui->HistoryButton, &QPushButton::clicked, this, &ReportsTab::HistoryButtonClick);
    // The button sits among the four, but the focus visits it after them.
    setTabOrder(ui->Button31, ui->HistoryButton);
}

ReportsTab::~ReportsTab() {
    delete historyWindow;
    delete ui;
}

QStringList ReportsTab::memoLines() const {
    const QString text = ui->Memo3->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

std::optional<int64_t> ReportsTab::readReport(const reports::ReportLabels& labels, store::ReportKind kind) {
    ui->Memo3->clear();
    QDateTime readAt;
    reports::ReportFigures figures;
    if (!reports::writeReport(
            session.line(), labels, [&readAt] { return readAt = QDateTime::currentDateTime(); },
            [this](const QString& line) { ui->Memo3->appendPlainText(line); }, &figures))
        return std::nullopt;
    QString error;
    const std::optional<int64_t> id =
        reports::archiveReport(session.archiveLocation,
                               reports::archiveEntry(figures, kind, session.scaleIdentity, session.portName,
                                                     store::pcName(session.archiveSite), readAt),
                               &error);
    if (!id)
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
    return id;
}

void ReportsTab::Button18Click() {
    if (session.requireConnection())
        readReport(reports::salesReportLabels(), store::ReportKind::X);
}

void ReportsTab::Button19Click() {
    ui->Memo3->clear();
}

void ReportsTab::Button20Click() {
    const QString path = prompts().saveFileName(kFileFilter, kFileSuffix, QString());
    if (path.isEmpty())
        return;
    if (!reports::saveReportFile(path, memoLines()))
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
}

void ReportsTab::Button31Click() {
    if (!session.requireConnection())
        return;
    // Only a complete Z report that the archive has kept opens the confirmation: no close may follow
    // totals not all on screen, nor totals that would be gone for good.
    if (const std::optional<int64_t> id = readReport(reports::zReportLabels(), store::ReportKind::Z)) {
        if (auto* confirmation = qobject_cast<TForm6*>(session.closeConfirmation))
            confirmation->archivedEntry = *id;
        ScaleSession::showWindow(session.closeConfirmation);
    }
}

void ReportsTab::HistoryButtonClick() {
    if (!historyWindow) {
        historyWindow = new HistoryWindow(session);
        centreOverOnShow(historyWindow, window());
    }
    ScaleSession::showWindow(historyWindow);
}
