#include "reports/CloseZDialog.h"

#include "reports/ReportBlocks.h"
#include "reports/SalesHistory.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_CloseZDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {

// An amount of hundredths as the desktop writes money ("2 348,72" in Poland), with the currency of
// the SETTINGS tab after it.
QString money(const ScaleSession& session, int64_t hundredths) {
    const QString amount = QLocale().toString(double(hundredths) / 100.0, 'f', 2);
    const QString currency = session.currency ? session.currency().trimmed() : QString();
    return currency.isEmpty() ? amount : amount + QLatin1Char(' ') + currency;
}

} // namespace

CloseZDialog::CloseZDialog(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::CloseZDialog), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 300, 198, DialogFrame::Normal);
    // A translated caption longer than its row is set smaller rather than cut off.
    for (QLabel* caption : {ui->closeZLabel, ui->sureLabel}) {
        QFont font = caption->font();
        while (font.pointSize() > 8 &&
               QFontMetrics(font).horizontalAdvance(caption->text()) > caption->width())
            font.setPointSize(font.pointSize() - 1);
        caption->setFont(font);
    }
    // The password field takes at most five characters, as many as its largest value has.
    ui->passwordSpin->findChild<QLineEdit*>()->setMaxLength(5);
    // The password starts at 0 in every run, shown as such from the first time the window opens.
    ui->passwordSpin->setValue(0);
    connect(ui->okButton, &QPushButton::clicked, this, &CloseZDialog::confirmClose);
    connect(ui->cancelButton, &QPushButton::clicked, this, &CloseZDialog::cancelClose);
    setTabOrder(ui->passwordSpin, ui->okButton);
    setTabOrder(ui->okButton, ui->cancelButton);
}

CloseZDialog::~CloseZDialog() {
    delete ui;
}

void CloseZDialog::setArchivedReport(const ArchivedReport& report) {
    archivedReport = report;
    ui->clearsLabel->setText(tr("This clears the day's totals on the scale: %1, document %2.")
                                 .arg(money(session, report.totals.grandTotal))
                                 .arg(report.totals.docNumber));
}

void CloseZDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The password is what the operator types next.
    ui->passwordSpin->setFocus();
    ui->passwordSpin->selectAll();
}

void CloseZDialog::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself (auto-default); Enter in the password field reaches here.
    switch (event->key()) {
    case Qt::Key_Escape:
        cancelClose();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirmClose();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CloseZDialog::cancelClose() {
    hide();
}

void CloseZDialog::confirmClose() {
    if (!session.requireConnection())
        return;
    if (!archivedReport) {
        // Only CLOSE Z opens the window with a report behind it; without one there is nothing to close.
        hide();
        return;
    }
    // OK normally takes the focus from the field, which pulls it into 0..99999; Enter in the field or
    // a click that keeps the focus get the same value.
    const int password = ui->passwordSpin->checkValue(ui->passwordSpin->value());
    const reports::CloseResult close =
        reports::verifiedCloseZ(session.line(), archivedReport->totals, static_cast<uint32_t>(password));
    const reports::CloseOutcome outcome = close.outcome;
    const bool closed = outcome == reports::CloseOutcome::Closed;
    QString error;
    // A close whose outcome is unknown stays unnoted: OK again, or the scale's next reading, settles it.
    if (reports::outcomeKnown(outcome) &&
        !reports::archiveCloseOutcome(session.archiveLocation, archivedReport->id, closed, &error))
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
    const QString total = money(session, archivedReport->totals.grandTotal);
    const int32_t document = archivedReport->totals.docNumber;
    switch (outcome) {
    case reports::CloseOutcome::Closed:
        archivedReport.reset();
        hide();
        session.note(tr("Day closed: %1, document %2, kept in the archive").arg(total).arg(document));
        if (close.clearedUnread)
            prompts().message(windowTitle(), tr("The close also cleared documents %1 to %2, sold after the "
                                                "report was read: their sales were never read.")
                                                 .arg(close.clearedUnread->first)
                                                 .arg(close.clearedUnread->second));
        break;
    case reports::CloseOutcome::SalesSinceReport:
        archivedReport.reset();
        hide();
        prompts().message(windowTitle(), tr("Sales were made since the report: nothing was closed. "
                                            "CLOSE Z reads the report again."));
        break;
    case reports::CloseOutcome::NotClosed:
        session.note(
            tr("Day not closed: the scale refused the close; check the password and press OK again"));
        prompts().message(windowTitle(), tr("The scale did not close the day: check the password"));
        break;
    case reports::CloseOutcome::Unknown:
        archivedReport.reset();
        hide();
        session.note(
            tr("Close of document %1 unknown: check on the scale; the next report settles it").arg(document));
        prompts().message(windowTitle(), tr("The totals read back do not say whether the day was closed: "
                                            "check on the scale. The next report settles it."));
        break;
    case reports::CloseOutcome::LineFailed:
        // The line has said so; OK may be pressed again, and reads the totals first.
        session.note(
            tr("Close of document %1 not confirmed: press OK again to read the totals").arg(document));
        break;
    }
    prompts().setWaitCursor(false);
}
