// The SETTINGS tab of the main window: the scale's settings as controls (they are the only copy),
// their transfers to and from the scale, the settings file, DEFAULT, the tax-rate check and the
// real-time clock. TForm1 composes it into TabSheet2. The handlers copy the controls into a
// Settings record, hand it to the settings core and copy what comes back into the controls.
#pragma once

#include "settings/ClockTime.h"
#include "settings/Settings.h"

#include <QWidget>

namespace Ui {
class SettingsTab;
}
class ScaleSession;
class QLineEdit;

class SettingsTab : public QWidget {
    Q_OBJECT
public:
    explicit SettingsTab(ScaleSession& session, QWidget* parent = nullptr);
    ~SettingsTab() override;

    // Start-up: the first items of the clerk mode, baud rate and darkness boxes.
    void selectStartItems();
    // Start-up: the headings and numbers of the department, header, footer and tax grids, and the
    // tax rates at 0.00.
    void writeHeadings();

    void Button24Click(); // DEFAULT
    void Button1Click();  // SEND TO SCALE
    void Button9Click();  // LOAD FROM SCALE
    void Button29Click(); // SAVE TO DISK
    void Button30Click(); // LOAD FROM DISK
    void Button3Click();  // clock From PC
    void Button4Click();  // clock From SCALE
    void Button13Click(); // clock To SCALE
    void Button14Click(); // GRAPHICAL LOGO

    // Every change of a tax cell's editor (column 1, rows 0 to 7): keep a rate up to 99.99 or an
    // empty cell, otherwise put back the text the cell had when its editor opened, and beep.
    void StringGrid3SetEditText(int column, int row, const QString& text, QLineEdit* editor,
                                const QString& putBackText);

    // The controls as a record, and a record written into them.
    Settings settings() const;
    void setSettings(const Settings& settings);

    // The date and time the clock buttons move between the PC, the scale and MaskEdit1.
    HeldTime heldTime;

    Ui::SettingsTab* ui;

private:
    ScaleSession& session;
};
