#include "reports/ReportsTab.h"

#include "reports/CloseZDialog.h"
#include "reports/HistoryWindow.h"
#include "reports/SalesHistory.h"
#include "text/DateTimeText.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_ReportsTab.h"

#include <QElapsedTimer>
#include <QFontMetrics>

namespace {
const QString kFileSuffix = QStringLiteral("TXT");
// The report's columns are made with tabs; a tab stop every eight average characters lines them up.
constexpr int kTabStopCharacters = 8;
} // namespace

ReportsTab::ReportsTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::ReportsTab), session(session) {
    ui->setupUi(this);
    ui->reportMemo->setTabStopDistance(kTabStopCharacters *
                                       QFontMetrics(ui->reportMemo->font()).averageCharWidth());
    connect(ui->reportButton, &QPushButton::clicked, this, &ReportsTab::readSalesReport);
    connect(ui->clearButton, &QPushButton::clicked, this, &ReportsTab::clearReport);
    connect(ui->saveToFileButton, &QPushButton::clicked, this, &ReportsTab::saveReport);
    connect(ui->closeZButton, &QPushButton::clicked, this, &ReportsTab::closeZ);
    connect(ui->historyButton, &QPushButton::clicked, this, &ReportsTab::showHistory);
    // The button sits among the four, but the focus visits it after them.
    setTabOrder(ui->closeZButton, ui->historyButton);
}

ReportsTab::~ReportsTab() {
    delete historyWindow;
    delete ui;
}

QStringList ReportsTab::memoLines() const {
    const QString text = ui->reportMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

std::optional<int64_t> ReportsTab::readReport(const reports::ReportLabels& labels, store::ReportKind kind,
                                              reports::ReportTotals* totals) {
    ui->reportMemo->clear();
    QDateTime readAt;
    reports::ReportFigures figures;
    QElapsedTimer clock;
    clock.start();
    if (!session.runStepped(reports::kReportExchangeCount, [&](const ScaleLine& line) {
            return reports::writeReport(
                line, labels, [&readAt] { return readAt = QDateTime::currentDateTime(); },
                [this](const QString& text) { ui->reportMemo->appendPlainText(text); }, &figures);
        }))
        return std::nullopt;
    session.note(tr("Report read in %1").arg(minutesSeconds(clock.elapsed())));
    QString error;
    const QString pc = store::pcName(session.archiveSite);
    // A close left unknown after this scale's last reading is settled by these totals first.
    std::optional<reports::SettledClose> settled;
    if (!reports::settleLastClose(session.archiveLocation, session.scaleIdentity, session.portName, pc,
                                  figures.totals, &settled, &error)) {
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
        return std::nullopt;
    }
    if (kind == store::ReportKind::Z && !mayCloseAgain(figures.totals, settled))
        return std::nullopt;
    const std::optional<int64_t> id = reports::archiveReport(
        session.archiveLocation,
        reports::archiveEntry(figures, kind, session.scaleIdentity, session.portName, pc, readAt), &error);
    if (!id)
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
    if (totals)
        *totals = figures.totals;
    return id;
}

bool ReportsTab::mayCloseAgain(const reports::ReportTotals& totals,
                               const std::optional<reports::SettledClose>& settled) {
    const QDate today = QDate::currentDate();
    if (settled && !settled->closed && settled->readAtLocal.date() == today) {
        prompts().message(tr("CLOSE Z"),
                          tr("The close after the report of %1 (document %2) is still unknown: the totals "
                             "do not say whether the scale carried it out. Check on the scale before closing "
                             "again.")
                              .arg(regionalLongTime(settled->readAtLocal.time()))
                              .arg(settled->document));
        return false;
    }
    if (!totals.empty())
        return true;
    QString error;
    std::unique_ptr<store::SalesArchive> archive = store::SalesArchive::open(session.archiveLocation, &error);
    std::optional<store::ArchiveEntry> close;
    if (!archive || !reports::findLastCloseOn(*archive, session.scaleIdentity, session.portName,
                                              store::pcName(session.archiveSite), today, &close, &error)) {
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
        return false;
    }
    return !close || prompts().confirm(tr("CLOSE Z"),
                                       tr("The day was closed today at %1 (document %2) and nothing has been "
                                          "sold since. Close it again?")
                                           .arg(regionalLongTime(close->readAtLocal.time()))
                                           .arg(close->figures.document));
}

void ReportsTab::readSalesReport() {
    if (session.requireConnection())
        readReport(reports::salesReportLabels(), store::ReportKind::X);
}

void ReportsTab::clearReport() {
    ui->reportMemo->clear();
}

void ReportsTab::saveReport() {
    const QString path =
        prompts().saveFileName(tr("Text files") + QStringLiteral("|*.TXT"), kFileSuffix, QString());
    if (path.isEmpty())
        return;
    if (!reports::saveReportFile(path, memoLines()))
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}

void ReportsTab::closeZ() {
    if (!session.requireConnection())
        return;
    // Only a complete Z report that the archive has kept opens the confirmation: no close may follow
    // totals not all on screen, nor totals that would be gone for good.
    reports::ReportTotals totals;
    if (const std::optional<int64_t> id =
            readReport(reports::zReportLabels(), store::ReportKind::Z, &totals)) {
        if (auto* confirmation = qobject_cast<CloseZDialog*>(session.closeConfirmation))
            confirmation->setArchivedReport(CloseZDialog::ArchivedReport{*id, totals});
        ScaleSession::showWindow(session.closeConfirmation);
    }
}

void ReportsTab::showHistory() {
    if (!historyWindow) {
        historyWindow = new HistoryWindow(session);
        centreOverOnShow(historyWindow, window());
    }
    ScaleSession::showWindow(historyWindow);
}
