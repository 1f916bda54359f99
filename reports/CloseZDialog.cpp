#include "reports/CloseZDialog.h"

#include "reports/ReportBlocks.h"
#include "reports/SalesHistory.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_CloseZDialog.h"

#include <QLineEdit>

CloseZDialog::CloseZDialog(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::CloseZDialog), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 250, 110, DialogFrame::Normal);
    // The password field takes at most five characters, as many as its largest value has.
    ui->passwordSpin->findChild<QLineEdit*>()->setMaxLength(5);
    // The password starts at 0 in every run, shown as such from the first time the window opens.
    ui->passwordSpin->setValue(0);
    connect(ui->okButton, &QPushButton::clicked, this, &CloseZDialog::confirmClose);
}

CloseZDialog::~CloseZDialog() {
    delete ui;
}

void CloseZDialog::confirmClose() {
    if (!session.requireConnection())
        return;
    // OK normally takes the focus from the field, which pulls it into 0..99999; Enter on the
    // button or a click that keeps the focus get the same value.
    const int password = ui->passwordSpin->checkValue(ui->passwordSpin->value());
    const bool closed = reports::closeZ(session.line(), static_cast<uint32_t>(password));
    QString error;
    if (archivedEntry &&
        !reports::archiveCloseOutcome(session.archiveLocation, *archivedEntry, closed, &error))
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
    if (closed)
        hide();
    prompts().setWaitCursor(false);
}
