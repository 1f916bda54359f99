#include "plu/PluTab.h"

#include "plu/PluCheck.h"
#include "plu/PluFile.h"
#include "text/Numbers.h"
#include "ui/CellEditDelegate.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"
#include "ui/Unit2.h"
#include "ui_PluTab.h"

#include <QHeaderView>

namespace {
const QString kFileFilter = QStringLiteral("TAB separated Text Files|*.TXT");
const QString kFileSuffix = QStringLiteral("TXT");
const QString kFileFolder = QStringLiteral(".");
const QString kFileErrorTitle = QStringLiteral("ERROR!");

// The controls exist before the grid adapter that refers to them is made.
Ui::PluTab* setUpControls(QWidget* tab) {
    auto* ui = new Ui::PluTab;
    ui->setupUi(tab);
    return ui;
}
} // namespace

PluTab::PluTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(setUpControls(this)), session(session), grid(*ui->StringGrid1) {
    QTableWidget* table = ui->StringGrid1;
    table->setColumnCount(kPluColumnCount);
    table->setRowCount(kPluRowCount);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(21);
    table->horizontalHeader()->setDefaultSectionSize(40);
    for (int column = 0; column < kPluColumnCount; ++column)
        table->setColumnWidth(column, kPluColumns[size_t(column)].width);
    table->setItemDelegate(new CellEditDelegate(
        [this](const QModelIndex& index, const QString& text, QLineEdit* editor, QString& putBackText) {
            StringGrid1SetEditText(index.column(), index.row() + 1, text, editor, putBackText);
        },
        table));

    connect(ui->Button12, &QPushButton::clicked, this, &PluTab::Button12Click);
    connect(ui->Button17, &QPushButton::clicked, this, &PluTab::Button17Click);
    connect(ui->Button7, &QPushButton::clicked, this, &PluTab::Button7Click);
    connect(ui->Button8, &QPushButton::clicked, this, &PluTab::Button8Click);
    connect(ui->Button6, &QPushButton::clicked, this, &PluTab::Button6Click);
    connect(ui->Button5, &QPushButton::clicked, this, &PluTab::Button5Click);
}

PluTab::~PluTab() {
    delete ui;
}

void PluTab::writeHeadings() {
    QStringList headings;
    for (const PluColumnLayout& column : kPluColumns)
        headings << QString::fromLatin1(column.heading);
    ui->StringGrid1->setHorizontalHeaderLabels(headings);
}

void PluTab::Button12Click() {
    ui->SpinEdit1->setValue(1);
    ui->SpinEdit2->setValue(1799);
}

void PluTab::Button17Click() {
    ui->StringGrid1->clearContents();
}

void PluTab::StringGrid1SetEditText(int column, int row, const QString& text, QLineEdit* editor,
                                    QString& putBackText) {
    grid.setCell(column, row, text);
    if (pluCellAccepted(column, text)) {
        putBackText = text;
        return;
    }
    grid.setCell(column, row, putBackText);
    editor->setText(putBackText);
    prompts().beep();
}

std::pair<int, int> PluTab::range() const {
    // Leaving a field pulls it into 1..1799; a handler started without leaving it gets the same.
    int from = ui->SpinEdit1->checkValue(strToInt(ui->SpinEdit1->text()));
    int to = ui->SpinEdit2->checkValue(strToInt(ui->SpinEdit2->text()));
    return {from, to};
}

TransferHooks PluTab::progressHooks() {
    TransferHooks hooks;
    TForm2* progress = session.progressDialog;
    hooks.begin = [progress](int maximum) { progress->begin(maximum); };
    hooks.keepRunning = [progress] { return progress->keepRunning; };
    hooks.step = [progress](int position, int number) {
        progress->step(position, QString::number(number) + QStringLiteral(" PLUs"));
    };
    hooks.finish = [progress] { progress->finish(); };
    return hooks;
}

void PluTab::Button7Click() {
    if (!session.requireConnection())
        return;
    session.runHandler([this] {
        auto [from, to] = range();
        loadFromScale(session.line(), grid, from, to, progressHooks());
    });
}

void PluTab::Button8Click() {
    if (!session.requireConnection())
        return;
    session.runHandler([this] {
        auto [from, to] = range();
        saveToScale(session.line(), grid, from, to, progressHooks());
    });
}

void PluTab::Button6Click() {
    QString path = prompts().saveFileName(kFileFilter, kFileSuffix, kFileFolder);
    if (path.isEmpty())
        return;
    if (!savePluFile(path, grid))
        prompts().message(kFileErrorTitle, QStringLiteral("I/O Error!"));
}

void PluTab::Button5Click() {
    QString path = prompts().openFileName(kFileFilter, kFileSuffix, kFileFolder);
    if (path.isEmpty())
        return;
    switch (loadPluFile(path, grid).outcome) {
    case PluFileLoad::Loaded:
        break;
    case PluFileLoad::BadLine:
        prompts().message(kFileErrorTitle, QStringLiteral("error in input file"));
        break;
    case PluFileLoad::IoError:
        prompts().message(kFileErrorTitle, QStringLiteral("I/O Error!"));
        break;
    }
}
