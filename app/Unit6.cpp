#include "app/Unit6.h"

#include "app/WindowFrames.h"

TForm6::TForm6(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("CLOSE Z"));
    setDialogFrame(this, 250, 110, DialogFrame::Normal);
}
