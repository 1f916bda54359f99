#include "reports/Unit6.h"

#include "reports/ReportBlocks.h"
#include "reports/SalesHistory.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"
#include "ui_Unit6.h"

#include <QLineEdit>

TForm6::TForm6(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm6), session(session) {
    ui->setupUi(this);
    setDialogFrame(this, 250, 110, DialogFrame::Normal);
    // The password field takes at most five characters, as many as its largest value has.
    ui->SpinEdit12->findChild<QLineEdit*>()->setMaxLength(5);
    // The password starts at 0 in every run, shown as such from the first time the window opens.
    ui->SpinEdit12->setValue(0);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

TForm6::~TForm6() {
    delete ui;
}

void TForm6::Button1Click() {
    if (!session.requireConnection())
        return;
    // OK normally takes the focus from the field, which pulls it into 0..99999; Enter on the
    // button or a click that keeps the focus get the same value.
    const int password = ui->SpinEdit12->checkValue(ui->SpinEdit12->value());
    const bool closed = reports::closeZ(session.line(), static_cast<uint32_t>(password));
    QString error;
    if (archivedEntry &&
        !reports::archiveCloseOutcome(session.archiveLocation, *archivedEntry, closed, &error))
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
    if (closed)
        hide();
    prompts().setWaitCursor(false);
}
