#include "plu/PluTab.h"

#include "plu/PluCheck.h"
#include "plu/PluCompare.h"
#include "plu/PluFile.h"
#include "plu/PluRecordKeeping.h"
#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"
#include "ui/CellEditDelegate.h"
#include "ui/ProgressDialog.h"
#include "ui/Prompts.h"
#include "ui/RegularHeadings.h"
#include "ui/ScaleSession.h"
#include "ui_PluTab.h"

#include <QCoreApplication>
#include <QLocale>

#include <QHeaderView>
#include <QMenu>
#include <numeric>

namespace {
const QString kFileSuffix = QStringLiteral("TXT");
const QString kFileFolder = QStringLiteral(".");
const QColor kMarkColour(255, 200, 0);

QString fileFilter() {
    return PluTab::tr("TAB separated Text Files") + QStringLiteral("|*.TXT");
}

// The controls exist before the grid adapter that refers to them is made.
Ui::PluTab* setUpControls(QWidget* tab) {
    auto* ui = new Ui::PluTab;
    ui->setupUi(tab);
    return ui;
}
} // namespace

PluTab::PluTab(ScaleSession& session, QWidget* parent)
    : QWidget(parent), ui(setUpControls(this)), session(session), grid(*ui->pluGrid) {
    QTableWidget* table = ui->pluGrid;
    table->setColumnCount(kPluColumnCount);
    // Tab reaches the tab's buttons instead of cycling through 1801 x 13 cells; the arrows move in it.
    table->setTabKeyNavigation(false);
    table->setRowCount(kPluRowCount);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(21);
    table->horizontalHeader()->setDefaultSectionSize(40);
    keepSelectedHeadingsRegular(table->horizontalHeader());
    for (int column = 0; column < kPluColumnCount; ++column)
        table->setColumnWidth(column, kPluColumns[size_t(column)].width);
    table->setItemDelegate(new CellEditDelegate(
        [this](const QModelIndex& index, const QString& text, QLineEdit* editor, QString& putBackText) {
            checkCellEdit(index.column(), index.row() + 1, text, editor, putBackText);
        },
        table, [](const QModelIndex& index) { return isDecimalPluColumn(index.column()); }));

    connect(ui->allButton, &QPushButton::clicked, this, &PluTab::selectAll);
    connect(ui->clearButton, &QPushButton::clicked, this, &PluTab::clearTable);
    connect(ui->loadFromScaleButton, &QPushButton::clicked, this, &PluTab::loadRangeFromScale);
    connect(ui->saveToScaleButton, &QPushButton::clicked, this, &PluTab::saveRangeToScale);
    connect(ui->saveToDiskButton, &QPushButton::clicked, this, &PluTab::saveToDisk);
    connect(ui->loadFromDiskButton, &QPushButton::clicked, this, &PluTab::loadFromDisk);
    // The comparison and the changed-only choice share one small menu button: the row has no room
    // for two more controls beside the tab's own buttons, which keep their places and widths.
    auto* more = new QMenu(ui->moreButton);
    more->addAction(ui->compareAction);
    more->addAction(ui->changedOnlyAction);
    ui->moreButton->setMenu(more);
    connect(ui->compareAction, &QAction::triggered, this, &PluTab::compareWithScale);
}

PluTab::~PluTab() {
    delete ui;
}

void PluTab::writeHeadings() {
    QStringList headings;
    for (const PluColumnLayout& column : kPluColumns)
        headings << QCoreApplication::translate("PluTable", column.heading);
    ui->pluGrid->setHorizontalHeaderLabels(headings);
    // A short heading (NW, FIX, BAR) says little to a newcomer: its tooltip says what the column holds.
    for (int column = 0; column < kPluColumnCount; ++column)
        ui->pluGrid->horizontalHeaderItem(column)->setToolTip(
            QCoreApplication::translate("PluTable", kPluColumns[size_t(column)].tip));
}

void PluTab::selectAll() {
    ui->fromSpin->setValue(1);
    ui->toSpin->setValue(1799);
}

void PluTab::clearTable() {
    ui->pluGrid->clearContents();
}

void PluTab::checkCellEdit(int column, int row, const QString& text, QLineEdit* editor,
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
    int from = ui->fromSpin->checkValue(strToInt(ui->fromSpin->text()));
    int to = ui->toSpin->checkValue(strToInt(ui->toSpin->text()));
    return {from, to};
}

TransferHooks PluTab::progressHooks() {
    TransferHooks hooks;
    ProgressDialog* progress = session.progressDialog;
    transferred = 0;
    transferClock.start();
    hooks.begin = [progress](int maximum) { progress->begin(maximum); };
    hooks.keepRunning = [progress] { return progress->keepRunning; };
    hooks.step = [this, progress](int position, int number) {
        ++transferred;
        progress->step(position, tr("PLU %1").arg(number));
    };
    hooks.finish = [progress] { progress->finish(); };
    return hooks;
}

bool PluTab::openRecord(Record& record, bool readIdentity) {
    record.hooks = progressHooks();
    if (!session.recordsDatabase.isEmpty()) {
        QString error;
        record.records = store::ScaleRecords::open(session.recordsDatabase, &error);
        if (!record.records) {
            prompts().message(tr("ERROR!"), tr("I/O Error!\n(scale records: %1)").arg(error));
            return false;
        }
    }
    // The identity read at CONNECT, or read again by the commands that decide by the record.
    if (readIdentity) {
        std::optional<std::string> identity = requestIdentity(session.line());
        if (!identity)
            return false;
        session.scaleIdentity = fromCp1250(*identity);
    }
    if (record.records && !record.records->select(session.portName, session.scaleIdentity)) {
        transferEnded(TransferEnd::RecordFailed, record);
        return false;
    }
    keepRecord(record.hooks, record.records.get(), record.seen);
    return true;
}

void PluTab::transferEnded(TransferEnd end, const Record& record, Noted noted) {
    if (end == TransferEnd::RecordFailed)
        prompts().message(tr("ERROR!"),
                          tr("I/O Error!\n(scale records: %1)").arg(record.records->lastError()));
    if (noted == Noted::Nothing || end == TransferEnd::RecordFailed)
        return;
    // One whole sentence for each direction, with the count as its plural form: the participle
    // agrees with the count in Czech, Slovak and Polish.
    const QString time = minutesSeconds(transferClock.elapsed());
    QString text = noted == Noted::Read ? tr("%Ln PLUs read in %1", nullptr, transferred).arg(time)
                                        : tr("%Ln PLUs sent in %1", nullptr, transferred).arg(time);
    if (end == TransferEnd::Stopped)
        text += tr(" (stopped)");
    else if (end == TransferEnd::Failed)
        text += tr(" (failed)");
    session.note(text);
}

void PluTab::loadRangeFromScale() {
    if (!session.requireConnection())
        return;
    session.runHandler([this] {
        auto [from, to] = range();
        Record record;
        if (openRecord(record, false))
            transferEnded(loadFromScale(session.line(), grid, from, to, record.hooks), record, Noted::Read);
    });
}

void PluTab::saveRangeToScale() {
    if (!session.requireConnection())
        return;
    session.runHandler([this] {
        auto [from, to] = range();
        const bool changedOnly = ui->changedOnlyAction->isChecked();
        Record record;
        if (!openRecord(record, changedOnly))
            return;
        if (!changedOnly)
            return transferEnded(saveToScale(session.line(), grid, from, to, record.hooks), record,
                                 Noted::Sent);
        // The rows Save To SCALE would write, less those the scale is known to hold already; a scale
        // without a record gets them all.
        std::vector<int> rows = saveToScaleOrder(from, to);
        int current = 0;
        if (record.records && !record.records->known().empty())
            rows = changedRows(decidingRows(grid, rows), record.records->known(), &current);
        transferEnded(saveRows(session.line(), grid, rows, record.hooks), record, Noted::Sent);
    });
}

void PluTab::compareWithScale() {
    if (!session.requireConnection())
        return;
    session.runHandler([this] {
        auto [from, to] = range();
        Record record;
        if (!openRecord(record, true))
            return;
        PluMemoryTable scale;
        TransferEnd end = loadFromScale(session.line(), scale, from, to, record.hooks);
        transferEnded(end, record);
        if (end != TransferEnd::Completed)
            return;
        std::vector<int> order(kPluRowCount);
        std::iota(order.begin(), order.end(), 1);
        std::vector<int> marks;
        QStringList onlyOnScale;
        for (const PluDifference& difference : comparePlus(record.seen, grid, order)) {
            if (difference.kind == PluDifference::OnlyOnScale)
                onlyOnScale << QString::number(difference.plu);
            for (int column = NumColumn; column <= ValidDateColumn; ++column)
                if (difference.kind == PluDifference::OnlyInTable || column == difference.column)
                    marks.push_back(difference.row * kPluColumnCount + column);
        }
        markDifferences(marks);
        if (marks.empty() && onlyOnScale.isEmpty())
            prompts().message(tr("Compare With SCALE"), tr("The scale holds what the table says."));
        else if (onlyOnScale.isEmpty())
            prompts().message(tr("Compare With SCALE"), tr("The marked cells differ from the scale."));
        else
            prompts().message(tr("Compare With SCALE"), tr("The marked cells differ from the scale. Only on "
                                                           "the scale: PLU %1.")
                                                            .arg(onlyOnScale.join(QStringLiteral(", "))));
    });
}

void PluTab::markDifferences(const std::vector<int>& marks) {
    QTableWidget* table = ui->pluGrid;
    for (int mark : marked)
        if (QTableWidgetItem* item = table->item(mark / kPluColumnCount - 1, mark % kPluColumnCount))
            item->setBackground(QBrush());
    for (int mark : marks) {
        const int row = mark / kPluColumnCount - 1, column = mark % kPluColumnCount;
        if (!table->item(row, column))
            table->setItem(row, column, new QTableWidgetItem);
        table->item(row, column)->setBackground(kMarkColour);
    }
    marked = marks;
}

void PluTab::saveToDisk() {
    QString path = prompts().saveFileName(fileFilter(), kFileSuffix, kFileFolder);
    if (path.isEmpty())
        return;
    if (!savePluFile(path, grid))
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}

void PluTab::loadFromDisk() {
    QString path = prompts().openFileName(fileFilter(), kFileSuffix, kFileFolder);
    if (path.isEmpty())
        return;
    switch (loadPluFile(path, grid).outcome) {
    case PluFileLoad::Loaded:
        break;
    case PluFileLoad::BadLine:
        prompts().message(tr("ERROR!"), tr("error in input file"));
        break;
    case PluFileLoad::IoError:
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
        break;
    }
}
