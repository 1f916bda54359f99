#include "metrology/SystemTab.h"

#include "ui/CellEditDelegate.h"
#include "ui/EditableCombo.h"
#include "ui/ScaleSession.h"
#include "ui_SystemTab.h"

namespace {
void setRange(SpinEdit* field, SpinRange range) {
    field->setMinValue(range.low);
    field->setMaxValue(range.high);
}
} // namespace

SystemTab::SystemTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::SystemTab), session(session) {
    ui->setupUi(this);
    setRange(ui->SpinEdit10, kUnitRange);
    setRange(ui->SpinEdit11, kInitialZeroRange);
    setRange(ui->SpinEdit9, kDigitsRange);
    setRange(ui->SpinEdit7, kGravityRange);
    setRange(ui->SpinEdit8, kGravityRange);
    setRange(ui->SpinEdit12, kPasswordRange);
    // The lists start without a selection; start-up selects the first items of three of them, and
    // the stable count keeps its text alone.
    for (QComboBox* box : {ui->ComboBox5, ui->ComboBox6, ui->ComboBox7, ui->ComboBox9}) {
        makeEditableCombo(box);
        box->setCurrentIndex(-1);
    }
    showFields(startFields());
    showRegionalDecimalAfterEdit(ui->Edit4);

    connect(ui->Button2, &QPushButton::clicked, this, &SystemTab::Button2Click);
    connect(ui->Button21, &QPushButton::clicked, this, &SystemTab::Button21Click);
    connect(ui->Button22, &QPushButton::clicked, this, &SystemTab::Button22Click);
    connect(ui->Button23, &QPushButton::clicked, this, &SystemTab::Button23Click);
    connect(ui->Button26, &QPushButton::clicked, this, &SystemTab::Button26Click);
    connect(ui->Button27, &QPushButton::clicked, this, &SystemTab::Button27Click);
    connect(ui->Button28, &QPushButton::clicked, this, &SystemTab::Button28Click);
}

SystemTab::~SystemTab() {
    delete ui;
}

void SystemTab::selectInitialItems() {
    ui->ComboBox5->setCurrentIndex(1);
    ui->ComboBox6->setCurrentIndex(1);
    ui->ComboBox7->setCurrentIndex(0);
}

SystemFields SystemTab::fields() const {
    return SystemFields{.capacity = ui->ComboBox5->currentText(),
                        .interval = ui->ComboBox6->currentText(),
                        .unit = ui->SpinEdit10->value(),
                        .initialZero = ui->SpinEdit11->value(),
                        .maxTare = ui->Edit4->text(),
                        .digits = ui->SpinEdit9->value(),
                        .priceRound = ui->ComboBox7->currentText(),
                        .localG = ui->SpinEdit7->value(),
                        .destinationG = ui->SpinEdit8->value(),
                        .stableCount = ui->ComboBox9->currentText(),
                        .password = ui->SpinEdit12->value(),
                        .lb = ui->CheckBox9->isChecked(),
                        .dualInterval = ui->CheckBox10->isChecked(),
                        .comma = ui->CheckBox11->isChecked(),
                        .oneTimeTare = ui->CheckBox12->isChecked(),
                        .minimumSale = ui->CheckBox14->isChecked()};
}

void SystemTab::showFields(const SystemFields& fields) {
    ui->ComboBox5->setEditText(fields.capacity);
    ui->ComboBox6->setEditText(fields.interval);
    ui->SpinEdit9->setValue(fields.digits);
    ui->ComboBox7->setEditText(fields.priceRound);
    ui->SpinEdit10->setValue(fields.unit);
    ui->CheckBox9->setChecked(fields.lb);
    ui->CheckBox10->setChecked(fields.dualInterval);
    ui->CheckBox11->setChecked(fields.comma);
    ui->CheckBox12->setChecked(fields.oneTimeTare);
    ui->SpinEdit7->setValue(fields.localG);
    ui->SpinEdit8->setValue(fields.destinationG);
    ui->SpinEdit11->setValue(fields.initialZero);
    ui->Edit4->setText(fields.maxTare);
    ui->CheckBox14->setChecked(fields.minimumSale);
    ui->ComboBox9->setEditText(fields.stableCount);
    ui->SpinEdit12->setValue(fields.password);
}

void SystemTab::Button2Click() {
    if (!session.requireConnection())
        return;
    // The core pulls the spin fields into their ranges, as leaving them for the button does.
    session.runHandler([this] { sendSystemParameters(session.line(), fields()); });
}

void SystemTab::applyPreset(size_t index) {
    showFields(systemPresets()[index].fields);
}

void SystemTab::Button21Click() {
    applyPreset(0);
}
void SystemTab::Button22Click() {
    applyPreset(1);
}
void SystemTab::Button23Click() {
    applyPreset(2);
}
void SystemTab::Button26Click() {
    applyPreset(3);
}
void SystemTab::Button27Click() {
    applyPreset(4);
}
void SystemTab::Button28Click() {
    applyPreset(5);
}
