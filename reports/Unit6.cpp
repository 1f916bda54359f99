#include "reports/Unit6.h"

#include "reports/ReportBlocks.h"
#include "reports/SalesHistory.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_Unit6.h"

#include <QKeyEvent>
#include <QLineEdit>

TForm6::TForm6(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm6), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 250, 140, DialogFrame::Normal);
    // The password field takes at most five characters, as many as its largest value has.
    ui->SpinEdit12->findChild<QLineEdit*>()->setMaxLength(5);
    // The password starts at 0 in every run, shown as such from the first time the window opens.
    ui->SpinEdit12->setValue(0);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(ui->cancelButton, &QPushButton::clicked, this, &TForm6::cancelClick);
    setTabOrder(ui->SpinEdit12, ui->Button1);
    setTabOrder(ui->Button1, ui->cancelButton);
}

TForm6::~TForm6() {
    delete ui;
}

void TForm6::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The password is what the operator types next.
    ui->SpinEdit12->setFocus();
    ui->SpinEdit12->selectAll();
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself (auto-default); Enter in the password field reaches here.
    switch (event->key()) {
    case Qt::Key_Escape:
        cancelClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Button1Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TForm6::cancelClick() {
    hide();
}

void TForm6::Button1Click() {
    if (!session.requireConnection())
        return;
    if (!archivedReport) {
        // Only CLOSE Z opens the window with a report behind it; without one there is nothing to close.
        hide();
        return;
    }
    // OK normally takes the focus from the field, which pulls it into 0..99999; Enter in the field or
    // a click that keeps the focus get the same value.
    const int password = ui->SpinEdit12->checkValue(ui->SpinEdit12->value());
    const reports::VerifiedClose close =
        reports::verifiedCloseZ(session.line(), archivedReport->totals, static_cast<uint32_t>(password));
    const bool closed = close.outcome == reports::CloseOutcome::Closed;
    QString error;
    if (close.closeSent &&
        !reports::archiveCloseOutcome(session.archiveLocation, archivedReport->id, closed, &error))
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
    switch (close.outcome) {
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
