// The logo window ("LOAD LOGO"), which turns a bitmap into the receipt logo and
// uploads it. Created at start with the others, shown on demand, only hidden when closed: the
// picture and its gray levels stay for the life of the program, so the controls can be moved again
// and the logo sent again without loading the file anew.
#pragma once

#include "logo/LogoConversion.h"

#include <QWidget>
#include <memory>

namespace Ui {
class LogoWindow;
}
class ScaleSession;

class LogoWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogoWindow(ScaleSession& session, QWidget* parent = nullptr);
    ~LogoWindow() override;

    // LOAD: chooses a bitmap and converts it.
    void loadBitmap();
    void sendToScale();
    // The brightness and contrast sliders and the "50% Threshold" box: every change,
    // dragging included, converts again from the kept gray levels.
    void convertFromControls();

    const LogoImages& images() const { return *logo; }

    Ui::LogoWindow* ui;

private:
    void showPicture();

    ScaleSession& session;
    std::unique_ptr<LogoImages> logo;
};
