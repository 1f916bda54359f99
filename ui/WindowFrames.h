// Window frames shared by the secondary windows: a fixed-size dialog frame with a close box only,
// optionally kept on top of the other windows, and placing a window in the middle of the screen or
// of the main window.
#pragma once

class QWidget;

enum class DialogFrame { Normal, StaysOnTop };

// Fixed client area of width x height, title bar with the close box only.
void setDialogFrame(QWidget* window, int width, int height, DialogFrame frame);
// Moves the window so that its frame is centred on the screen it is on.
void centreOnScreen(QWidget* window);
// Every time the window is opened, it is placed centred over the owner window (where the operator is
// looking), instead of wherever the window system puts a new window (a plain X server: the screen's
// top-left corner).
void centreOverOnShow(QWidget* window, QWidget* owner);
