#include "ui/WindowFrames.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

class CentreOverOwner : public QObject {
public:
    CentreOverOwner(QWidget* window, QWidget* owner) : QObject(window), owner(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The show event arrives before the window is mapped, so the move takes effect at once.
        if (event->type() == QEvent::Show && !event->spontaneous() && owner) {
            auto* window = static_cast<QWidget*>(watched);
            QRect frame = window->frameGeometry();
            frame.moveCenter(owner->frameGeometry().center());
            window->move(frame.topLeft());
        }
        return false;
    }

private:
    QPointer<QWidget> owner;
};

} // namespace

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

void centreOverOnShow(QWidget* window, QWidget* owner) {
    window->installEventFilter(new CentreOverOwner(window, owner));
}
