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
    setRange(ui->unitSpin, kUnitRange);
    setRange(ui->initialZeroSpin, kInitialZeroRange);
    setRange(ui->digitsSpin, kDigitsRange);
    setRange(ui->localGSpin, kGravityRange);
    setRange(ui->destinationGSpin, kGravityRange);
    setRange(ui->passwordSpin, kPasswordRange);
    // The lists start without a selection; start-up selects the first items of three of them, and
    // the stable count keeps its text alone.
    for (QComboBox* box : {ui->capacityCombo, ui->intervalCombo, ui->priceRoundCombo, ui->stableCountCombo}) {
        makeEditableCombo(box);
        box->setCurrentIndex(-1);
    }
    showFields(startFields());
    showRegionalDecimalAfterEdit(ui->maxTareEdit);

    connect(ui->sendButton, &QPushButton::clicked, this, &SystemTab::sendParameters);
    connect(ui->single6Button, &QPushButton::clicked, this, &SystemTab::presetSingle6);
    connect(ui->single15Button, &QPushButton::clicked, this, &SystemTab::presetSingle15);
    connect(ui->single30Button, &QPushButton::clicked, this, &SystemTab::presetSingle30);
    connect(ui->dual6Button, &QPushButton::clicked, this, &SystemTab::presetDual6);
    connect(ui->dual15Button, &QPushButton::clicked, this, &SystemTab::presetDual15);
    connect(ui->dual30Button, &QPushButton::clicked, this, &SystemTab::presetDual30);
}

SystemTab::~SystemTab() {
    delete ui;
}

void SystemTab::selectInitialItems() {
    ui->capacityCombo->setCurrentIndex(1);
    ui->intervalCombo->setCurrentIndex(1);
    ui->priceRoundCombo->setCurrentIndex(0);
}

SystemFields SystemTab::fields() const {
    return SystemFields{.capacity = ui->capacityCombo->currentText(),
                        .interval = ui->intervalCombo->currentText(),
                        .unit = ui->unitSpin->value(),
                        .initialZero = ui->initialZeroSpin->value(),
                        .maxTare = ui->maxTareEdit->text(),
                        .digits = ui->digitsSpin->value(),
                        .priceRound = ui->priceRoundCombo->currentText(),
                        .localG = ui->localGSpin->value(),
                        .destinationG = ui->destinationGSpin->value(),
                        .stableCount = ui->stableCountCombo->currentText(),
                        .password = ui->passwordSpin->value(),
                        .lb = ui->poundsBox->isChecked(),
                        .dualInterval = ui->dualIntervalBox->isChecked(),
                        .comma = ui->commaBox->isChecked(),
                        .oneTimeTare = ui->oneTimeTareBox->isChecked(),
                        .minimumSale = ui->minimumSaleBox->isChecked()};
}

void SystemTab::showFields(const SystemFields& fields) {
    ui->capacityCombo->setEditText(fields.capacity);
    ui->intervalCombo->setEditText(fields.interval);
    ui->digitsSpin->setValue(fields.digits);
    ui->priceRoundCombo->setEditText(fields.priceRound);
    ui->unitSpin->setValue(fields.unit);
    ui->poundsBox->setChecked(fields.lb);
    ui->dualIntervalBox->setChecked(fields.dualInterval);
    ui->commaBox->setChecked(fields.comma);
    ui->oneTimeTareBox->setChecked(fields.oneTimeTare);
    ui->localGSpin->setValue(fields.localG);
    ui->destinationGSpin->setValue(fields.destinationG);
    ui->initialZeroSpin->setValue(fields.initialZero);
    ui->maxTareEdit->setText(fields.maxTare);
    ui->minimumSaleBox->setChecked(fields.minimumSale);
    ui->stableCountCombo->setEditText(fields.stableCount);
    ui->passwordSpin->setValue(fields.password);
}

void SystemTab::sendParameters() {
    if (!session.requireConnection())
        return;
    // The core pulls the spin fields into their ranges, as leaving them for the button does.
    session.runHandler([this] { sendSystemParameters(session.line(), fields()); });
}

void SystemTab::applyPreset(size_t index) {
    showFields(systemPresets()[index].fields);
}

void SystemTab::presetSingle6() {
    applyPreset(0);
}
void SystemTab::presetSingle15() {
    applyPreset(1);
}
void SystemTab::presetSingle30() {
    applyPreset(2);
}
void SystemTab::presetDual6() {
    applyPreset(3);
}
void SystemTab::presetDual15() {
    applyPreset(4);
}
void SystemTab::presetDual30() {
    applyPreset(5);
}
