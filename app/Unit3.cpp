#include "app/Unit3.h"

#include "app/WindowFrames.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("TERMINAL"));
    setDialogFrame(this, 233, 299, DialogFrame::StaysOnTop);
    centreOnScreen(this);
}
