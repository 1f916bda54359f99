#include "app/WindowFrames.h"

#include <QScreen>
#include <QWidget>

void setDialogFrame(QWidget* window, int width, int height, DialogFrame frame) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == DialogFrame::StaysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
    window->setFixedSize(width, height);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
