#include "app/Unit4.h"

#include "app/WindowFrames.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("LOAD LOGO"));
    setDialogFrame(this, 401, 326, DialogFrame::StaysOnTop);
}
