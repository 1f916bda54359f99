#include "reports/ReportsTab.h"

#include "reports/ReportText.h"
#include "reports/Unit6.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
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
}

ReportsTab::~ReportsTab() {
    delete ui;
}

QStringList ReportsTab::memoLines() const {
    const QString text = ui->Memo3->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool ReportsTab::readReport(const reports::ReportLabels& labels) {
    ui->Memo3->clear();
    return reports::writeReport(
        session.line(), labels, [] { return QDateTime::currentDateTime(); },
        [this](const QString& line) { ui->Memo3->appendPlainText(line); });
}

void ReportsTab::Button18Click() {
    if (session.requireConnection())
        readReport(reports::salesReportLabels());
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
    // Only a complete Z report opens the confirmation: no close may follow totals not all on screen.
    if (readReport(reports::zReportLabels())) {
        ScaleSession::showWindow(session.closeConfirmation);
    }
}
