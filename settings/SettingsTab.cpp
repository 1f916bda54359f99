#include "settings/SettingsTab.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "text/Numbers.h"
#include "ui/CellEditDelegate.h"
#include "ui/EditableCombo.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui_SettingsTab.h"

#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QTableWidget>
#include <QValidator>

namespace {
const QString kFileFilter = QStringLiteral("Text files|*.TXT");
const QString kFileSuffix = QStringLiteral("TXT");
const QString kFileErrorTitle = QStringLiteral("ERROR!");
const QString kIoError = QStringLiteral("I/O Error!");

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
    grid->setColumnWidth(0, cellWidth);
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
    for (QComboBox* box : {ui->ComboBox3, ui->ComboBox4, ui->ComboBox8})
        makeEditableCombo(box);
    limitTyping(ui->Edit9, 3);
    ui->Edit10->setText(factoryRate());
    limitTyping(ui->Edit10, 5);
    for (QLineEdit* clerk : {ui->Edit3, ui->Edit6, ui->Edit7, ui->Edit8})
        limitTyping(clerk, kClerkNameWidth);
    shapeGrid(ui->StringGrid2, kDepartmentNameCount, 24, 175, 16);
    shapeGrid(ui->StringGrid3, kTaxRateCount, 20, 48, 16);
    ui->StringGrid3->horizontalHeader()->hide();
    shapeGrid(ui->StringGrid5, kHeaderLineCount, 24, 299, 20);
    shapeGrid(ui->StringGrid4, kFooterLineCount, 24, 298, 20);

    QTableWidget* taxes = ui->StringGrid3;
    taxes->setItemDelegate(new CellEditDelegate(
        [this](const QModelIndex& index, const QString& text, QLineEdit* editor, QString& putBackText) {
            StringGrid3SetEditText(1, index.row(), text, editor, putBackText);
        },
        taxes, [](const QModelIndex&) { return true; }));
    showRegionalDecimalAfterEdit(ui->Edit10);

    connect(ui->Button24, &QPushButton::clicked, this, &SettingsTab::Button24Click);
    connect(ui->Button1, &QPushButton::clicked, this, &SettingsTab::Button1Click);
    connect(ui->Button9, &QPushButton::clicked, this, &SettingsTab::Button9Click);
    connect(ui->Button29, &QPushButton::clicked, this, &SettingsTab::Button29Click);
    connect(ui->Button30, &QPushButton::clicked, this, &SettingsTab::Button30Click);
    connect(ui->Button3, &QPushButton::clicked, this, &SettingsTab::Button3Click);
    connect(ui->Button4, &QPushButton::clicked, this, &SettingsTab::Button4Click);
    connect(ui->Button13, &QPushButton::clicked, this, &SettingsTab::Button13Click);
    connect(ui->Button14, &QPushButton::clicked, this, &SettingsTab::Button14Click);
}

SettingsTab::~SettingsTab() {
    delete ui;
}

void SettingsTab::selectStartItems() {
    ui->ComboBox3->setCurrentIndex(0);
    ui->ComboBox4->setCurrentIndex(0);
    ui->ComboBox8->setCurrentIndex(2);
}

void SettingsTab::writeHeadings() {
    ui->StringGrid2->setHorizontalHeaderLabels({QStringLiteral("     NAME")});
    ui->StringGrid5->setHorizontalHeaderLabels({QStringLiteral("         HEADER")});
    ui->StringGrid4->setHorizontalHeaderLabels({QStringLiteral("          FOOTER")});
    // The fixed corner cell of these grids reads "N"; Qt's corner button has no text of its own.
    for (QTableWidget* grid : {ui->StringGrid2, ui->StringGrid5, ui->StringGrid4}) {
        grid->setCornerButtonEnabled(false);
        auto* corner = new QLabel(QStringLiteral("N"), grid);
        corner->setObjectName(QStringLiteral("corner") + grid->objectName());
        corner->setGeometry(grid->frameWidth() + 2, grid->frameWidth(), grid->verticalHeader()->width() - 2,
                            grid->horizontalHeader()->height());
        corner->show();
    }
    setRowLabels(ui->StringGrid5, 1);
    setRowLabels(ui->StringGrid4, 1);
    setRowLabels(ui->StringGrid2, 0);
    QStringList letters;
    for (int t = 0; t < kTaxRateCount; ++t) {
        letters << QString(QChar('A' + t));
        setDataCell(ui->StringGrid3, t,
                    QStringLiteral("0") + regionalDecimalSeparator() + QStringLiteral("00"));
    }
    ui->StringGrid3->setVerticalHeaderLabels(letters);
}

Settings SettingsTab::settings() const {
    Settings s;
    s.clerkMode = ui->ComboBox3->currentIndex();
    uint8_t flags = 0;
    const QCheckBox* boxes[] = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4,
                                ui->CheckBox5, ui->CheckBox6, ui->CheckBox7, ui->CheckBox8};
    for (int bit = 0; bit < 8; ++bit)
        if (boxes[bit]->isChecked())
            flags |= static_cast<uint8_t>(1u << bit);
    s.printFlags = flags;
    s.singleBarcode = ui->Edit1->text();
    s.totalBarcode = ui->Edit2->text();
    s.baudRate = ui->ComboBox4->currentText();
    s.lanNumber = ui->SpinEdit4->checkValue(ui->SpinEdit4->value());
    s.autoOffMinutes = ui->SpinEdit3->checkValue(ui->SpinEdit3->value());
    s.discountPercent = ui->SpinEdit5->checkValue(ui->SpinEdit5->value());
    s.drawerTime = ui->SpinEdit6->checkValue(ui->SpinEdit6->value());
    s.darkness = ui->ComboBox8->currentText();
    s.currency = ui->Edit9->text();
    s.rate = ui->Edit10->text();
    s.printAllReports = ui->CheckBox13->isChecked();
    s.printTax = ui->CheckBox15->isChecked();
    s.clerks = {ui->Edit3->text(), ui->Edit6->text(), ui->Edit7->text(), ui->Edit8->text()};
    for (int n = 0; n < kHeaderLineCount; ++n)
        s.receiptLines[size_t(n)] = dataCell(ui->StringGrid5, n);
    for (int n = 0; n < kFooterLineCount; ++n)
        s.receiptLines[size_t(kHeaderLineCount + n)] = dataCell(ui->StringGrid4, n);
    for (int d = 0; d < kDepartmentNameCount; ++d)
        s.departments[size_t(d)] = dataCell(ui->StringGrid2, d);
    for (int t = 0; t < kTaxRateCount; ++t)
        s.taxes[size_t(t)] = dataCell(ui->StringGrid3, t);
    return s;
}

void SettingsTab::setSettings(const Settings& s) {
    // No valid mode: no item and no text, a text the operator typed into the box included.
    ui->ComboBox3->setCurrentIndex(s.clerkMode);
    if (s.clerkMode < 0)
        ui->ComboBox3->clearEditText();
    QCheckBox* boxes[] = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4,
                          ui->CheckBox5, ui->CheckBox6, ui->CheckBox7, ui->CheckBox8};
    for (int bit = 0; bit < 8; ++bit)
        setFlag(boxes[bit], s.printFlags, static_cast<uint8_t>(1u << bit));
    setFieldText(ui->Edit1, s.singleBarcode);
    setFieldText(ui->Edit2, s.totalBarcode);
    if (ui->ComboBox4->currentText() != s.baudRate)
        ui->ComboBox4->setEditText(s.baudRate);
    setSpin(ui->SpinEdit4, s.lanNumber);
    setSpin(ui->SpinEdit3, s.autoOffMinutes);
    setSpin(ui->SpinEdit5, s.discountPercent);
    setSpin(ui->SpinEdit6, s.drawerTime);
    if (ui->ComboBox8->currentText() != s.darkness)
        ui->ComboBox8->setEditText(s.darkness);
    setFieldText(ui->Edit9, s.currency);
    setFieldText(ui->Edit10, s.rate);
    ui->CheckBox13->setChecked(s.printAllReports);
    ui->CheckBox15->setChecked(s.printTax);
    setFieldText(ui->Edit3, s.clerks[0]);
    setFieldText(ui->Edit6, s.clerks[1]);
    setFieldText(ui->Edit7, s.clerks[2]);
    setFieldText(ui->Edit8, s.clerks[3]);
    for (int n = 0; n < kHeaderLineCount; ++n)
        setDataCell(ui->StringGrid5, n, s.receiptLines[size_t(n)]);
    for (int n = 0; n < kFooterLineCount; ++n)
        setDataCell(ui->StringGrid4, n, s.receiptLines[size_t(kHeaderLineCount + n)]);
    for (int d = 0; d < kDepartmentNameCount; ++d)
        setDataCell(ui->StringGrid2, d, s.departments[size_t(d)]);
    for (int t = 0; t < kTaxRateCount; ++t)
        setDataCell(ui->StringGrid3, t, s.taxes[size_t(t)]);
}

void SettingsTab::StringGrid3SetEditText(int, int row, const QString& text, QLineEdit* editor,
                                         const QString& putBackText) {
    setDataCell(ui->StringGrid3, row, text);
    if (taxCellAccepted(text))
        return;
    setDataCell(ui->StringGrid3, row, putBackText);
    editor->setText(putBackText);
    prompts().beep();
}

void SettingsTab::Button24Click() {
    Settings s = settings();
    applyFactoryDefaults(s);
    // DEFAULT leaves the clerk mode as it is, a text typed into the box too.
    const QString clerkModeText = ui->ComboBox3->currentText();
    setSettings(s);
    ui->ComboBox3->setEditText(clerkModeText);
}

void SettingsTab::Button1Click() {
    session.runHandler([this] {
        // The closing step, however the handler ends, and before a conversion message is shown:
        // the message appears over the normal cursor and the restored currency. "EUR" went to the
        // scale as the euro sign alone; a field that holds the euro sign alone shows "EUR" from now
        // on too.
        auto closingStep = qScopeGuard([this] {
            prompts().setWaitCursor(false);
            if (ui->Edit9->text() == euroSign())
                ui->Edit9->setText(QStringLiteral("EUR"));
        });
        if (!session.requireConnection())
            return;
        prompts().setWaitCursor(true);
        sendSettings(session.line(), settings());
    });
}

void SettingsTab::Button9Click() {
    if (session.requireConnection()) {
        prompts().setWaitCursor(true);
        Settings s = settings();
        // Each control takes its value as soon as the reply has arrived: what the earlier replies
        // brought is in the controls before the next request goes out, so a failure is reported
        // over the values already read. A load that fails at its first request changes nothing.
        ScaleLine scale = session.line();
        int requests = 0;
        bool loaded = loadSettings(ScaleLine{scale.link,
                                             [this, &s, &requests, scale](uint8_t code) {
                                                 if (requests++ > 0)
                                                     setSettings(s);
                                                 return scale.runCommand(code);
                                             }},
                                   s);
        if (loaded || requests > 1)
            setSettings(s);
    }
    prompts().setWaitCursor(false);
}

void SettingsTab::Button29Click() {
    QString path = prompts().saveFileName(kFileFilter, kFileSuffix, QString());
    if (path.isEmpty())
        return;
    if (!saveSettingsFile(path, settings()))
        prompts().message(kFileErrorTitle, kIoError);
}

void SettingsTab::Button30Click() {
    QString path = prompts().openFileName(kFileFilter, kFileSuffix, QString());
    if (path.isEmpty())
        return;
    Settings s = settings();
    SettingsFileLoad outcome = loadSettingsFile(path, s);
    if (outcome != SettingsFileLoad::IoError)
        setSettings(s);
    if (outcome != SettingsFileLoad::Loaded)
        prompts().message(kFileErrorTitle, kIoError);
}

void SettingsTab::Button3Click() {
    heldTime = heldTimeFrom(QDateTime::currentDateTime());
    ui->MaskEdit1->setText(clockDisplayText(heldTime));
}

void SettingsTab::Button13Click() {
    if (session.requireConnection())
        sendClock(session.line(), heldTime);
}

void SettingsTab::Button4Click() {
    if (session.requireConnection() && readClock(session.line(), heldTime))
        ui->MaskEdit1->setText(clockDisplayText(heldTime));
}

void SettingsTab::Button14Click() {
    if (session.requireConnection())
        session.logoWindow->show();
}
