#include "service/LineMonitor.h"

#include "text/CodePage.h"
#include "text/OutputFile.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <deque>

const QColor LineMonitor::failureColour(200, 0, 0);

namespace {
enum Column { TimeColumn, DirectionColumn, BytesColumn, FrameColumn, ColumnCount };
} // namespace

class LineModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::deque<LineEntry> entries;
    // The regional format, taken once: the view asks for every cell at every redraw.
    QLocale locale;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(entries.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const titles[] = {
            QT_TRANSLATE_NOOP("LineMonitor", "Time"), QT_TRANSLATE_NOOP("LineMonitor", "Direction"),
            QT_TRANSLATE_NOOP("LineMonitor", "Bytes"), QT_TRANSLATE_NOOP("LineMonitor", "Frame")};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
            return {};
        return LineMonitor::tr(titles[section]);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const LineEntry& entry = entries[size_t(index.row())];
        if (role == Qt::ForegroundRole)
            return entry.note.failure ? QVariant(QBrush(LineMonitor::failureColour)) : QVariant();
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case TimeColumn:
            return locale.toString(double(entry.millis) / 1000, 'f', 3);
        case DirectionColumn:
            return entry.note.fromPc ? LineMonitor::tr("PC -> scale") : LineMonitor::tr("scale -> PC");
        case BytesColumn:
            return QString::fromStdString(hexBytes(entry.bytes.data(), entry.bytes.size()));
        default:
            return fromCp1250(entry.note.what); // an identity in it comes in the scale's code page
        }
    }

    void append(std::vector<LineEntry>& batch) {
        size_t excess = entries.size() + batch.size() > size_t(LineMonitor::kRowLimit)
                            ? std::min(entries.size(), entries.size() + batch.size() - LineMonitor::kRowLimit)
                            : 0;
        if (excess > 0) {
            beginRemoveRows({}, 0, int(excess) - 1);
            entries.erase(entries.begin(), entries.begin() + long(excess));
            endRemoveRows();
        }
        beginInsertRows({}, int(entries.size()), int(entries.size() + batch.size()) - 1);
        for (LineEntry& entry : batch)
            entries.push_back(std::move(entry));
        endInsertRows();
    }

    void clear() {
        beginResetModel();
        entries.clear();
        endResetModel();
    }
};

LineMonitor::LineMonitor(ScaleSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session(session), model(new LineModel(this)) {
    setWindowTitle(tr("LINE MONITOR"));
    resize(860, 420);
    table = new QTableView(this);
    table->setModel(model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->setColumnWidth(TimeColumn, 70);
    table->setColumnWidth(DirectionColumn, 100);
    table->setColumnWidth(BytesColumn, 380);
    table->horizontalHeader()->setStretchLastSection(true);
    pause = new QCheckBox(tr("PAUSE"), this);
    clearButton = new QPushButton(tr("CLEAR"), this);
    saveButton = new QPushButton(tr("SAVE"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pause);
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);

    connect(clearButton, &QPushButton::clicked, this, &LineMonitor::clearLog);
    connect(saveButton, &QPushButton::clicked, this, &LineMonitor::saveLog);
    connect(&batchTimer, &QTimer::timeout, this, &LineMonitor::showBatch);
    connect(pause, &QCheckBox::toggled, this, [this](bool paused) {
        if (!paused)
            showBatch();
    });
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
    // Paused, the rows wait in the log (up to its limit) and show when the pause ends.
    if (pause->isChecked())
        return;
    std::vector<LineEntry> batch = log->takeBatch();
    if (batch.empty())
        return;
    model->append(batch);
    table->scrollToBottom();
}

void LineMonitor::clearLog() {
    log->takeBatch();
    log->restart();
    model->clear();
}

void LineMonitor::saveLog() {
    QString path =
        prompts().saveFileName(tr("Text files") + QStringLiteral("|*.txt"), QStringLiteral("txt"), QString());
    if (path.isEmpty())
        return;
    QByteArray text;
    for (const LineEntry& entry : model->entries)
        text += QByteArray::fromStdString(entryText(entry) + '\n');
    if (!writeOutputFile(path, text).isEmpty())
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}
