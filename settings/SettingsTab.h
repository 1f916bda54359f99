// The SETTINGS tab of the main window: the scale's settings as controls (they are the only copy),
// their transfers to and from the scale, the settings file, DEFAULT, the tax-rate check and the
// real-time clock. MainWindow composes it into settingsPage. The handlers copy the controls into a
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

    void restoreDefaults();
    void sendToScale();
    void loadFromScale();
    void saveToDisk();
    void loadFromDisk();
    void clockFromPc();
    void clockFromScale();
    void clockToScale();
    void showLogoWindow();

    // Every change of a tax cell's editor (column 1, rows 0 to 7): keep a rate up to 99.99 or an
    // empty cell, otherwise put back the text the cell had when its editor opened, and beep.
    void checkTaxEdit(int column, int row, const QString& text, QLineEdit* editor,
                      const QString& putBackText);

    // The controls as a record, and a record written into them.
    Settings settings() const;
    void setSettings(const Settings& settings);

    // The date and time the clock buttons move between the PC, the scale and clockEdit.
    HeldTime heldTime;

    Ui::SettingsTab* ui;

private:
    ScaleSession& session;
    // The connection whose scale the controls were read from or last sent to; -1 when they hold the
    // defaults, a file or another connection's settings. SEND asks first unless it is this one.
    int connectionShown = -1;
};
