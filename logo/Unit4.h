// Unit4: the logo window TForm4 ("LOAD LOGO"), which turns a bitmap into the receipt logo and
// uploads it. Created at start with the others, shown on demand, only hidden when closed: the
// picture and its gray levels stay for the life of the program, so the controls can be moved again
// and the logo sent again without loading the file anew.
#pragma once

#include "logo/LogoConversion.h"

#include <QWidget>
#include <memory>

namespace Ui {
class TForm4;
}
class ScaleSession;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(ScaleSession& session, QWidget* parent = nullptr);
    ~TForm4() override;

    void Button1Click(); // LOAD: choose a bitmap and convert it
    void Button2Click(); // SEND TO SCALE
    // TrackBar1 (brightness), TrackBar2 (contrast) and CheckBox1 ("50% Threshold"): every change,
    // dragging included, converts again from the kept gray levels.
    void convertFromControls();

    const LogoImages& images() const { return *logo; }

    Ui::TForm4* ui; // Image1, Button1, Button2, TrackBar1, TrackBar2, CheckBox1, ProgressBar1

private:
    void showPicture();

    ScaleSession& session;
    std::unique_ptr<LogoImages> logo;
};
