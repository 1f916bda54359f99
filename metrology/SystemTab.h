// The SYSTEM tab of the main window: the weighing parameters, the six presets and SEND. MainWindow
// composes it into systemPage, whose visibility follows the calibration bit of the status byte. The
// handlers read the controls, call the metrology core and write the controls.
#pragma once

#include "metrology/SystemParameters.h"

#include <QWidget>

namespace Ui {
class SystemTab;
}
class ScaleSession;

class SystemTab : public QWidget {
    Q_OBJECT
public:
    explicit SystemTab(ScaleSession& session, QWidget* parent = nullptr);
    ~SystemTab() override;

    // Start-up: the first selections of the Capacity, e=d= and price round lists.
    void selectInitialItems();

    void sendParameters();
    void presetSingle6();  // Single 6Kg(1/3000)
    void presetSingle15(); // Single 15Kg(1/3000)
    void presetSingle30(); // Single 30Kg(1/3000)
    void presetDual6();    // Dual 6Kg(1/6000)
    void presetDual15();   // Dual 15Kg(1/6000)
    void presetDual30();   // Dual 30Kg(1/6000)

    // The fields as they stand: texts as typed, spin fields as read (a text that is no whole
    // number reads as the field's minimum).
    SystemFields fields() const;
    // Writes every field: texts into the combo boxes (their lists are not consulted) and Max Tare,
    // numbers into the spin fields, the check boxes' states.
    void showFields(const SystemFields& fields);

    Ui::SystemTab* ui;

private:
    void applyPreset(size_t index);

    ScaleSession& session;
};
