#include "service/LineMonitor.h"

#include "text/CodePage.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QColor LineMonitor::failureColour(200, 0, 0);

namespace {
enum Column { TimeColumn, DirectionColumn, BytesColumn, MeaningColumn };
} // namespace

LineMonitor::LineMonitor(ScaleSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session(session) {
    setWindowTitle(QStringLiteral("LINE MONITOR"));
    resize(860, 420);
    table = new QTableWidget(0, 4, this);
    table->setHorizontalHeaderLabels({QStringLiteral("Time"), QStringLiteral("Direction"),
                                      QStringLiteral("Bytes"), QStringLiteral("Frame")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(BytesColumn, QHeaderView::Interactive);
    table->setColumnWidth(TimeColumn, 70);
    table->setColumnWidth(DirectionColumn, 100);
    table->setColumnWidth(BytesColumn, 380);
    table->horizontalHeader()->setStretchLastSection(true);
    pause = new QCheckBox(QStringLiteral("PAUSE"), this);
    clearButton = new QPushButton(QStringLiteral("CLEAR"), this);
    saveButton = new QPushButton(QStringLiteral("SAVE"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pause);
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);

    connect(clearButton, &QPushButton::clicked, this, &LineMonitor::ClearClick);
    connect(saveButton, &QPushButton::clicked, this, &LineMonitor::SaveClick);
    connect(&batchTimer, &QTimer::timeout, this, &LineMonitor::showBatch);
    batchTimer.setInterval(kBatchIntervalMs);
}

LineMonitor::~LineMonitor() {
    session.watchLine(nullptr);
}

void LineMonitor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    session.watchLine([log = log](FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
        log->record(kind, bytes, count);
    });
    batchTimer.start();
}

void LineMonitor::hideEvent(QHideEvent* event) {
    session.watchLine(nullptr);
    batchTimer.stop();
    showBatch();
    QWidget::hideEvent(event);
}

void LineMonitor::showBatch() {
    std::vector<LineEntry> batch = log->takeBatch();
    if (batch.empty() || pause->isChecked())
        return;
    table->setUpdatesEnabled(false);
    int excess = table->rowCount() + int(batch.size()) - kRowLimit;
    for (; excess > 0 && table->rowCount() > 0; --excess) {
        table->removeRow(0);
        shown.erase(shown.begin());
    }
    for (LineEntry& entry : batch) {
        int row = table->rowCount();
        table->insertRow(row);
        const QString cells[] = {
            QLocale().toString(entry.millis / 1000.0, 'f', 3),
            entry.note.fromPc ? QStringLiteral("PC -> scale") : QStringLiteral("scale -> PC"),
            QString::fromStdString(hexBytes(entry.bytes.data(), entry.bytes.size())),
            fromCp1250(entry.note.what), // an identity in it comes in the scale's code page
        };
        for (int column = TimeColumn; column <= MeaningColumn; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (entry.note.failure)
                item->setForeground(failureColour);
            table->setItem(row, column, item);
        }
        shown.push_back(std::move(entry));
    }
    table->setUpdatesEnabled(true);
    table->scrollToBottom();
}

void LineMonitor::ClearClick() {
    log->takeBatch();
    log->restart();
    shown.clear();
    table->setRowCount(0);
}

void LineMonitor::SaveClick() {
    QString path =
        prompts().saveFileName(QStringLiteral("Text files (*.txt)"), QStringLiteral("txt"), QString());
    if (path.isEmpty())
        return;
    QFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const LineEntry& entry : shown)
        written = written && file.write(QByteArray::fromStdString(entryText(entry) + '\n')) >= 0;
    if (!written)
        prompts().message(QStringLiteral("ERROR!"), QStringLiteral("I/O Error!"));
}
