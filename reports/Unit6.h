// Unit6: the Z-close confirmation window TForm6 ("CLOSE Z"). The REPORTS tab shows it once the whole
// Z report has been read; the operator enters the scale's password and confirms with OK, which sends
// the close. The window is not modal, and its close box only hides it, sending nothing.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

namespace Ui {
class TForm6;
}
class ScaleSession;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(ScaleSession& session, QWidget* parent = nullptr);
    ~TForm6() override;

    // OK: sends the Z close with the password; the window hides only when the exchange succeeded.
    void Button1Click();

    Ui::TForm6* ui; // Label1, Label2, PASSWORD, SpinEdit12, Button1

    // The sales archive's entry of the Z report this close follows; its outcome is noted there.
    std::optional<int64_t> archivedEntry;

private:
    ScaleSession& session;
};
