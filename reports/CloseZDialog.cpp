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

CloseZDialog::CloseZDialog(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::CloseZDialog), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 250, 140, DialogFrame::Normal);
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
    const reports::CloseOutcome outcome =
        reports::verifiedCloseZ(session.line(), archivedReport->totals, static_cast<uint32_t>(password));
    const bool closed = outcome == reports::CloseOutcome::Closed;
    QString error;
    // A close left unanswered stays unnoted: OK again reads the totals and finds out.
    if (reports::outcomeKnown(outcome) &&
        !reports::archiveCloseOutcome(session.archiveLocation, archivedReport->id, closed, &error))
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
    switch (outcome) {
    case reports::CloseOutcome::Closed:
        archivedReport.reset();
        hide();
        break;
    case reports::CloseOutcome::SalesSinceReport:
        archivedReport.reset();
        hide();
        prompts().message(windowTitle(), tr("Sales were made since the report: nothing was closed. "
                                            "CLOSE Z reads the report again."));
        break;
    case reports::CloseOutcome::NotClosed:
        prompts().message(windowTitle(), tr("The scale did not close the day: check the password"));
        break;
    case reports::CloseOutcome::LineFailed:
        break; // the line has said so; OK may be pressed again
    }
    prompts().setWaitCursor(false);
}
