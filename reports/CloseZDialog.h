// The Z-close confirmation window ("CLOSE Z"). The REPORTS tab shows it once the whole
// Z report has been read; the operator enters the scale's password and confirms with OK, which sends
// the close. The window is not modal, and its close box only hides it, sending nothing.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

namespace Ui {
class CloseZDialog;
}
class ScaleSession;

class CloseZDialog : public QWidget {
    Q_OBJECT
public:
    explicit CloseZDialog(ScaleSession& session, QWidget* parent = nullptr);
    ~CloseZDialog() override;

    // OK: sends the Z close with the password; the window hides only when the exchange succeeded.
    void confirmClose();

    Ui::CloseZDialog* ui;

    // The sales archive's entry of the Z report this close follows; its outcome is noted there.
    std::optional<int64_t> archivedEntry;

private:
    ScaleSession& session;
};
