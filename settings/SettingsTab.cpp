#include "settings/SettingsTab.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"
#include "ui/CellEditDelegate.h"
#include "ui/EditableCombo.h"
#include "ui/Prompts.h"
#include "ui/RegularHeadings.h"
#include "ui/ScaleSession.h"
#include "ui_SettingsTab.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QTableWidget>
#include <QValidator>

namespace {
const QString kFileSuffix = QStringLiteral("TXT");

QString fileFilter() {
    return SettingsTab::tr("Text files") + QStringLiteral("|*.TXT");
}

// The editable cells of a grid are its one column; the fixed first column is the row header and
// the fixed first row, where a grid has one, the column header.
QString dataCell(const QTableWidget* grid, int row) {
    const QTableWidgetItem* item = grid->item(row, 0);
    return item ? item->text() : QString();
}

void setDataCell(QTableWidget* grid, int row, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, 0))
        item->setText(text);
    else
        grid->setItem(row, 0, new QTableWidgetItem(text));
}

// A grid of one editable column with fixed row labels, the column widths and row height given.
void shapeGrid(QTableWidget* grid, int rows, int labelWidth, int cellWidth, int rowHeight) {
    grid->setColumnCount(1);
    grid->setRowCount(rows);
    grid->verticalHeader()->setFixedWidth(labelWidth);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setFixedHeight(rowHeight);
    keepSelectedHeadingsRegular(grid->horizontalHeader());
    keepSelectedHeadingsRegular(grid->verticalHeader());
    grid->setColumnWidth(0, cellWidth);
    // Tab moves on to the next control, as everywhere else in the window; the arrows move in the grid.
    grid->setTabKeyNavigation(false);
}

void setRowLabels(QTableWidget* grid, int first) {
    QStringList labels;
    for (int row = 0; row < grid->rowCount(); ++row)
        labels << QString::number(first + row);
    grid->setVerticalHeaderLabels(labels);
}

void setSpin(SpinEdit* spin, int value) {
    // A field left as it is when its value is already this one: a text the operator typed over it
    // and that reads as the same value stays as typed.
    if (spin->value() != value)
        spin->setValue(value);
}

// A text put into a field shows from its start, as a field the operator has not touched does.
void setFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

// A limit on what the operator types, not on what the program puts into the field: a rate of
// 123.45 read from the scale, or a long clerk name from a file, is shown and sent back whole (a
// field's maxLength would cut it). Over the limit, the operator may still delete; an insertion is
// refused. The program's own texts are told apart by the field's modified flag, which setText
// clears, and they count as valid: QLineEdit rolls a refused edit back only from a valid text.
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int limit, QLineEdit* field)
        : QValidator(field), limit(limit), field(field), lastText(field->text()) {}
    State validate(QString& input, int&) const override {
        if (input.size() > limit && field->isModified() && input.size() >= lastText.size())
            return Invalid;
        lastText = input;
        return Acceptable;
    }

private:
    int limit;
    QLineEdit* field;
    mutable QString lastText; // the text last let through, which a refusal puts back
};

void limitTyping(QLineEdit* field, int limit) {
    field->setValidator(new TypedLengthLimit(limit, field));
}

void setFlag(QCheckBox* box, uint8_t flags, uint8_t mask) {
    box->setChecked((flags & mask) != 0);
}
} // namespace

SettingsTab::SettingsTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(new Ui::SettingsTab), session(session) {
    ui->setupUi(this);
    // The clerk modes in the scale's order. Each item keeps its English name as its data, which the
    // window-state file stores, so that the file reads the same in every language.
    static const char* const clerkModes[] = {QT_TR_NOOP("All at once"), QT_TR_NOOP("Only one"),
                                             QT_TR_NOOP("Super Market"), QT_TR_NOOP("Label-1"),
                                             QT_TR_NOOP("Label-2")};
    for (const char* mode : clerkModes)
        ui->clerkModeCombo->addItem(tr(mode), QString::fromLatin1(mode));
    for (QComboBox* box : {ui->clerkModeCombo, ui->scaleBaudCombo, ui->darknessCombo})
        makeEditableCombo(box);
    limitTyping(ui->currencyEdit, 3);
    ui->rateEdit->setText(factoryRate());
    limitTyping(ui->rateEdit, 5);
    for (QLineEdit* clerk : {ui->clerk1Edit, ui->clerk2Edit, ui->clerk3Edit, ui->clerk4Edit})
        limitTyping(clerk, kClerkNameWidth);
    shapeGrid(ui->departmentGrid, kDepartmentNameCount, 24, 175, 16);
    shapeGrid(ui->taxGrid, kTaxRateCount, 20, 48, 16);
    ui->taxGrid->horizontalHeader()->hide();
    shapeGrid(ui->headerGrid, kHeaderLineCount, 24, 299, 20);
    shapeGrid(ui->footerGrid, kFooterLineCount, 24, 298, 20);

    QTableWidget* taxes = ui->taxGrid;
    taxes->setItemDelegate(new CellEditDelegate(
        [this](const QModelIndex& index, const QString& text, QLineEdit* editor, QString& putBackText) {
            checkTaxEdit(1, index.row(), text, editor, putBackText);
        },
        taxes, [](const QModelIndex&) { return true; }));
    showRegionalDecimalAfterEdit(ui->rateEdit);

    connect(ui->defaultButton, &QPushButton::clicked, this, &SettingsTab::restoreDefaults);
    connect(ui->sendToScaleButton, &QPushButton::clicked, this, &SettingsTab::sendToScale);
    connect(ui->loadFromScaleButton, &QPushButton::clicked, this, &SettingsTab::loadFromScale);
    connect(ui->saveToDiskButton, &QPushButton::clicked, this, &SettingsTab::saveToDisk);
    connect(ui->loadFromDiskButton, &QPushButton::clicked, this, &SettingsTab::loadFromDisk);
    connect(ui->clockFromPcButton, &QPushButton::clicked, this, &SettingsTab::clockFromPc);
    connect(ui->clockFromScaleButton, &QPushButton::clicked, this, &SettingsTab::clockFromScale);
    connect(ui->clockToScaleButton, &QPushButton::clicked, this, &SettingsTab::clockToScale);
    connect(ui->logoButton, &QPushButton::clicked, this, &SettingsTab::showLogoWindow);
}

SettingsTab::~SettingsTab() {
    delete ui;
}

void SettingsTab::selectStartItems() {
    ui->clerkModeCombo->setCurrentIndex(0);
    ui->scaleBaudCombo->setCurrentIndex(0);
    ui->darknessCombo->setCurrentIndex(2);
}

void SettingsTab::writeHeadings() {
    ui->departmentGrid->setHorizontalHeaderLabels({tr("     NAME")});
    ui->headerGrid->setHorizontalHeaderLabels({tr("         HEADER")});
    ui->footerGrid->setHorizontalHeaderLabels({tr("          FOOTER")});
    // The fixed corner cell of these grids reads "N"; Qt's corner button has no text of its own.
    for (QTableWidget* grid : {ui->departmentGrid, ui->headerGrid, ui->footerGrid}) {
        grid->setCornerButtonEnabled(false);
        auto* corner = new QLabel(QStringLiteral("N"), grid);
        corner->setObjectName(grid->objectName() + QStringLiteral("Corner"));
        corner->setGeometry(grid->frameWidth() + 2, grid->frameWidth(), grid->verticalHeader()->width() - 2,
                            grid->horizontalHeader()->height());
        corner->show();
    }
    setRowLabels(ui->headerGrid, 1);
    setRowLabels(ui->footerGrid, 1);
    setRowLabels(ui->departmentGrid, 0);
    QStringList letters;
    for (int t = 0; t < kTaxRateCount; ++t) {
        letters << QString(QChar('A' + t));
        setDataCell(ui->taxGrid, t, QStringLiteral("0") + regionalDecimalSeparator() + QStringLiteral("00"));
    }
    ui->taxGrid->setVerticalHeaderLabels(letters);
}

Settings SettingsTab::settings() const {
    Settings s;
    s.clerkMode = ui->clerkModeCombo->currentIndex();
    uint8_t flags = 0;
    const QCheckBox* boxes[] = {ui->printReceiptBox,       ui->printDuplicateBox,    ui->printLogoBox,
                                ui->printSingleBarcodeBox, ui->printTotalBarcodeBox, ui->obligatoryPaidBox,
                                ui->discountBox,           ui->printPluCodeBox};
    for (int bit = 0; bit < 8; ++bit)
        if (boxes[bit]->isChecked())
            flags |= static_cast<uint8_t>(1u << bit);
    s.printFlags = flags;
    s.singleBarcode = ui->singleBarcodeEdit->text();
    s.totalBarcode = ui->totalBarcodeEdit->text();
    s.baudRate = ui->scaleBaudCombo->currentText();
    s.lanNumber = ui->lanNumberSpin->checkValue(ui->lanNumberSpin->value());
    s.autoOffMinutes = ui->autoOffSpin->checkValue(ui->autoOffSpin->value());
    s.discountPercent = ui->discountSpin->checkValue(ui->discountSpin->value());
    s.drawerTime = ui->drawerTimeSpin->checkValue(ui->drawerTimeSpin->value());
    s.darkness = ui->darknessCombo->currentText();
    s.currency = ui->currencyEdit->text();
    s.rate = ui->rateEdit->text();
    s.printAllReports = ui->printAllReportsBox->isChecked();
    s.printTax = ui->printTaxBox->isChecked();
    s.clerks = {ui->clerk1Edit->text(), ui->clerk2Edit->text(), ui->clerk3Edit->text(),
                ui->clerk4Edit->text()};
    for (int n = 0; n < kHeaderLineCount; ++n)
        s.receiptLines[size_t(n)] = dataCell(ui->headerGrid, n);
    for (int n = 0; n < kFooterLineCount; ++n)
        s.receiptLines[size_t(kHeaderLineCount + n)] = dataCell(ui->footerGrid, n);
    for (int d = 0; d < kDepartmentNameCount; ++d)
        s.departments[size_t(d)] = dataCell(ui->departmentGrid, d);
    for (int t = 0; t < kTaxRateCount; ++t)
        s.taxes[size_t(t)] = dataCell(ui->taxGrid, t);
    return s;
}

void SettingsTab::setSettings(const Settings& s) {
    // No valid mode: no item and no text, a text the operator typed into the box included.
    ui->clerkModeCombo->setCurrentIndex(s.clerkMode);
    if (s.clerkMode < 0)
        ui->clerkModeCombo->clearEditText();
    QCheckBox* boxes[] = {ui->printReceiptBox,       ui->printDuplicateBox,    ui->printLogoBox,
                          ui->printSingleBarcodeBox, ui->printTotalBarcodeBox, ui->obligatoryPaidBox,
                          ui->discountBox,           ui->printPluCodeBox};
    for (int bit = 0; bit < 8; ++bit)
        setFlag(boxes[bit], s.printFlags, static_cast<uint8_t>(1u << bit));
    setFieldText(ui->singleBarcodeEdit, s.singleBarcode);
    setFieldText(ui->totalBarcodeEdit, s.totalBarcode);
    if (ui->scaleBaudCombo->currentText() != s.baudRate)
        ui->scaleBaudCombo->setEditText(s.baudRate);
    setSpin(ui->lanNumberSpin, s.lanNumber);
    setSpin(ui->autoOffSpin, s.autoOffMinutes);
    setSpin(ui->discountSpin, s.discountPercent);
    setSpin(ui->drawerTimeSpin, s.drawerTime);
    if (ui->darknessCombo->currentText() != s.darkness)
        ui->darknessCombo->setEditText(s.darkness);
    setFieldText(ui->currencyEdit, s.currency);
    setFieldText(ui->rateEdit, s.rate);
    ui->printAllReportsBox->setChecked(s.printAllReports);
    ui->printTaxBox->setChecked(s.printTax);
    setFieldText(ui->clerk1Edit, s.clerks[0]);
    setFieldText(ui->clerk2Edit, s.clerks[1]);
    setFieldText(ui->clerk3Edit, s.clerks[2]);
    setFieldText(ui->clerk4Edit, s.clerks[3]);
    for (int n = 0; n < kHeaderLineCount; ++n)
        setDataCell(ui->headerGrid, n, s.receiptLines[size_t(n)]);
    for (int n = 0; n < kFooterLineCount; ++n)
        setDataCell(ui->footerGrid, n, s.receiptLines[size_t(kHeaderLineCount + n)]);
    for (int d = 0; d < kDepartmentNameCount; ++d)
        setDataCell(ui->departmentGrid, d, s.departments[size_t(d)]);
    for (int t = 0; t < kTaxRateCount; ++t)
        setDataCell(ui->taxGrid, t, s.taxes[size_t(t)]);
}

void SettingsTab::checkTaxEdit(int, int row, const QString& text, QLineEdit* editor,
                               const QString& putBackText) {
    setDataCell(ui->taxGrid, row, text);
    if (taxCellAccepted(text))
        return;
    setDataCell(ui->taxGrid, row, putBackText);
    editor->setText(putBackText);
    prompts().beep();
}

void SettingsTab::restoreDefaults() {
    Settings s = settings();
    applyFactoryDefaults(s);
    // DEFAULT leaves the clerk mode as it is, a text typed into the box too.
    const QString clerkModeText = ui->clerkModeCombo->currentText();
    setSettings(s);
    ui->clerkModeCombo->setEditText(clerkModeText);
}

void SettingsTab::sendToScale() {
    session.runHandler([this] {
        // The closing step, however the handler ends, and before a conversion message is shown:
        // the message appears over the normal cursor and the restored currency. "EUR" went to the
        // scale as the euro sign alone; a field that holds the euro sign alone shows "EUR" from now
        // on too.
        auto closingStep = qScopeGuard([this] {
            prompts().setWaitCursor(false);
            if (ui->currencyEdit->text() == euroSign())
                ui->currencyEdit->setText(QStringLiteral("EUR"));
        });
        if (!session.requireConnection())
            return;
        prompts().setWaitCursor(true);
        QElapsedTimer clock;
        clock.start();
        const Settings values = settings();
        if (session.runStepped(kSettingsExchangeCount,
                               [&values](const ScaleLine& line) { return sendSettings(line, values); }))
            session.note(tr("Settings sent in %1").arg(minutesSeconds(clock.elapsed())));
    });
}

void SettingsTab::loadFromScale() {
    if (session.requireConnection()) {
        prompts().setWaitCursor(true);
        Settings s = settings();
        // Each control takes its value as soon as the reply has arrived: what the earlier replies
        // brought is in the controls before the next request goes out, so a failure is reported
        // over the values already read. A load that fails at its first request changes nothing.
        QElapsedTimer clock;
        clock.start();
        int requests = 0;
        bool loaded =
            session.runStepped(kSettingsExchangeCount, [this, &s, &requests](const ScaleLine& scale) {
                return loadSettings(ScaleLine{scale.link,
                                              [this, &s, &requests, scale](uint8_t code) {
                                                  if (requests++ > 0)
                                                      setSettings(s);
                                                  return scale.runCommand(code);
                                              }},
                                    s);
            });
        if (loaded || requests > 1)
            setSettings(s);
        if (loaded)
            session.note(tr("Settings read in %1").arg(minutesSeconds(clock.elapsed())));
    }
    prompts().setWaitCursor(false);
}

void SettingsTab::saveToDisk() {
    QString path = prompts().saveFileName(fileFilter(), kFileSuffix, QString());
    if (path.isEmpty())
        return;
    if (!saveSettingsFile(path, settings()))
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}

void SettingsTab::loadFromDisk() {
    QString path = prompts().openFileName(fileFilter(), kFileSuffix, QString());
    if (path.isEmpty())
        return;
    Settings s = settings();
    SettingsFilePlace place{};
    SettingsFileLoad outcome = loadSettingsFile(path, s, &place);
    // A file of the wrong length is refused whole: the controls keep what they showed.
    if (outcome == SettingsFileLoad::WrongLineCount) {
        prompts().message(tr("ERROR!"), wrongLineCountMessage(place.line));
        return;
    }
    if (outcome != SettingsFileLoad::IoError)
        setSettings(s);
    if (outcome != SettingsFileLoad::Loaded)
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}

void SettingsTab::clockFromPc() {
    heldTime = heldTimeFrom(QDateTime::currentDateTime());
    ui->clockEdit->setText(clockDisplayText(heldTime));
}

void SettingsTab::clockToScale() {
    if (session.requireConnection())
        sendClock(session.line(), heldTime);
}

void SettingsTab::clockFromScale() {
    if (session.requireConnection() && readClock(session.line(), heldTime))
        ui->clockEdit->setText(clockDisplayText(heldTime));
}

void SettingsTab::showLogoWindow() {
    if (session.requireConnection())
        session.logoWindow->show();
}
