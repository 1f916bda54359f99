#include "reports/HistoryWindow.h"

#include "reports/SalesHistory.h"
#include "text/DateTimeText.h"
#include "text/OutputFile.h"
#include "ui/Prompts.h"
#include "ui/ScaleSession.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QPieSeries>
#include <QPushButton>
#include <QTableView>
#include <QValueAxis>

namespace reports {

// The table's view of the entries: the columns an owner scans (the whole set goes to the export).
// Amounts and dates in the regional formats.
class HistoryModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(std::vector<store::ArchiveEntry> list) {
        beginResetModel();
        entries = std::move(list);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(entries.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumns; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole && index.column() >= 5)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        const store::ArchiveEntry& e = entries[size_t(index.row())];
        switch (index.column()) {
        case 0:
            return regionalShortDate(e.readAtLocal.date()) + QLatin1Char(' ') +
                   regionalLongTime(e.readAtLocal.time());
        case 1:
            return e.identity;
        case 2:
            return e.port;
        case 3:
            return e.pc;
        case 4:
            return e.kind == store::ReportKind::Z ? QStringLiteral("Z") : QStringLiteral("X");
        case 5:
            return QString::number(e.figures.document);
        case 6:
            return formatAmount(e.figures.grandTotal);
        default:
            return e.reads;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const headings[kColumns] = {"READ", "SCALE",   "PORT",  "PC",
                                                       "KIND", "DOC NUM", "TOTAL", "READS"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromLatin1(headings[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    std::vector<store::ArchiveEntry> entries;

private:
    static constexpr int kColumns = 8;
};

} // namespace reports

namespace {

const QString kErrorTitle = QStringLiteral("ERROR!");
const QString kIoError = QStringLiteral("I/O Error!");

// Charts take doubles; the archive's hundredths become currency units only here, for drawing.
double units(int64_t hundredths) {
    return double(hundredths) / 100.0;
}

QChartView* chartView(QChart* chart, const QString& title) {
    chart->setTitle(title);
    chart->setLocalizeNumbers(true);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 220);
    return view;
}

QDate dayOf(const QLineEdit* edit) {
    return QDate::fromString(edit->text().trimmed(), QStringLiteral("yyyy-MM-dd"));
}

// Takes every axis off a chart. removeAxis hands the axis back to the caller rather than deleting
// it, so each redraw would otherwise leave its axes behind.
void clearAxes(QChart* chart) {
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace

HistoryWindow::HistoryWindow(ScaleSession& session, QWidget* parent)
    : QWidget(parent), archiveEdit(new QLineEdit), siteEdit(new QLineEdit), fromEdit(new QLineEdit),
      toEdit(new QLineEdit), loadButton(new QPushButton(QStringLiteral("LOAD"))),
      exportButton(new QPushButton(QStringLiteral("EXPORT CSV"))), table(new QTableView),
      hourChart(new QChart), dayChart(new QChart), clerkChart(new QChart), session(session),
      model(new reports::HistoryModel(this)) {
    setWindowTitle(QStringLiteral("HISTORY"));
    setObjectName(QStringLiteral("HistoryWindow"));
    fromEdit->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    toEdit->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));

    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(QStringLiteral("Archive")));
    settings->addWidget(archiveEdit, 3);
    settings->addWidget(new QLabel(QStringLiteral("Site")));
    settings->addWidget(siteEdit, 1);
    settings->addWidget(new QLabel(QStringLiteral("From")));
    settings->addWidget(fromEdit, 1);
    settings->addWidget(new QLabel(QStringLiteral("To")));
    settings->addWidget(toEdit, 1);
    settings->addWidget(loadButton);
    settings->addWidget(exportButton);

    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->addLayout(settings, 0, 0, 1, 2);
    grid->addWidget(table, 1, 0);
    grid->addWidget(chartView(dayChart, QStringLiteral("Total per day")), 1, 1);
    grid->addWidget(chartView(hourChart, QStringLiteral("Sales by hour")), 2, 0);
    grid->addWidget(chartView(clerkChart, QStringLiteral("Clerks' shares")), 2, 1);
    resize(980, 680);

    siteEdit->setText(session.archiveSite);
    siteEdit->setToolTip(QStringLiteral("The shop of a chain this PC belongs to, kept with every report"));
    connect(siteEdit, &QLineEdit::textChanged, this,
            [this](const QString& site) { this->session.archiveSite = site.trimmed(); });
    connect(loadButton, &QPushButton::clicked, this, &HistoryWindow::loadEntries);
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportEntries);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showEntry(current.row()); });
}

HistoryWindow::~HistoryWindow() = default;

const std::vector<store::ArchiveEntry>& HistoryWindow::entries() const {
    return model->entries;
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (archiveEdit->text().isEmpty()) {
        archiveEdit->setText(session.archiveLocation);
        loadEntries();
    }
}

std::unique_ptr<store::SalesArchive> HistoryWindow::openLoaded(QString* error) const {
    if (loadedArchive.isEmpty())
        return nullptr;
    return store::SalesArchive::open(loadedArchive, error, store::Database::Access::ReadOnly);
}

void HistoryWindow::loadEntries() {
    const QString where = archiveEdit->text().trimmed();
    filter = {QString(), dayOf(fromEdit), dayOf(toEdit)};
    QString error;
    std::optional<std::vector<store::ArchiveEntry>> list;
    if (auto archive = store::SalesArchive::open(where, &error, store::Database::Access::ReadOnly))
        list = archive->entries(filter, &error, store::SalesArchive::Figures::Totals);
    if (list) {
        loadedArchive = where;
        session.archiveLocation = where;
    } else {
        loadedArchive.clear();
        prompts().message(kErrorTitle, kIoError);
        list.emplace();
    }
    model->setEntries(std::move(*list));
    drawDays();
    table->resizeColumnsToContents();
    // The newest report is the one the owner looks at first.
    if (!model->entries.empty()) {
        table->selectRow(int(model->entries.size()) - 1);
        table->scrollToBottom();
    } else {
        showEntry(-1);
    }
}

void HistoryWindow::exportEntries() {
    const QString path =
        prompts().saveFileName(QStringLiteral("CSV files|*.csv"), QStringLiteral("csv"), QString());
    if (path.isEmpty())
        return;
    QString error;
    std::optional<std::vector<store::ArchiveEntry>> list;
    if (auto archive = openLoaded(&error))
        list = archive->entries(filter, &error);
    if (!list || !writeOutputFile(path, reports::historyCsv(*list)).isEmpty())
        prompts().message(kErrorTitle, kIoError);
}

void HistoryWindow::drawDays() {
    dayChart->removeAllSeries();
    clearAxes(dayChart);
    auto* series = new QLineSeries;
    for (const auto& [day, total] : reports::dailyTotals(model->entries))
        series->append(double(day.startOfDay().toMSecsSinceEpoch()), units(total));
    dayChart->addSeries(series);
    auto* time = new QDateTimeAxis;
    time->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    time->setTickCount(4);
    dayChart->addAxis(time, Qt::AlignBottom);
    series->attachAxis(time);
    auto* value = new QValueAxis;
    dayChart->addAxis(value, Qt::AlignLeft);
    series->attachAxis(value);
    value->applyNiceNumbers();
}

void HistoryWindow::showEntry(int row) {
    hourChart->removeAllSeries();
    clearAxes(hourChart);
    clerkChart->removeAllSeries();
    if (row < 0 || row >= int(model->entries.size()))
        return;
    store::HistoryFilter one;
    one.id = model->entries[size_t(row)].id;
    QString error;
    const auto archive = openLoaded(&error);
    if (!archive)
        return;
    const std::optional<std::vector<store::ArchiveEntry>> read = archive->entries(one, &error);
    if (!read || read->empty())
        return;
    const store::ReportFigures& figures = read->front().figures;
    auto* hours = new QBarSet(QStringLiteral("Sales"));
    QStringList labels;
    for (int h = 0; h < store::kArchiveHours; ++h) {
        *hours << units(figures.hourAmounts[size_t(h)]);
        labels << QString::number(h);
    }
    auto* bars = new QBarSeries;
    bars->append(hours);
    hourChart->addSeries(bars);
    auto* hourAxis = new QBarCategoryAxis;
    hourAxis->append(labels);
    // Twenty-four labels share the chart's width.
    QFont small = hourAxis->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.6);
    hourAxis->setLabelsFont(small);
    hourChart->addAxis(hourAxis, Qt::AlignBottom);
    bars->attachAxis(hourAxis);
    auto* value = new QValueAxis;
    hourChart->addAxis(value, Qt::AlignLeft);
    bars->attachAxis(value);
    value->applyNiceNumbers();

    // A share is a clerk's sales; a clerk with none (or a negative total) has no slice.
    auto* pie = new QPieSeries;
    for (int n = 0; n < store::kArchiveClerks; ++n) {
        const int64_t sales = figures.clerks[size_t(n)].sales;
        if (sales > 0)
            pie->append(QStringLiteral("CLERK %1").arg(n + 1), units(sales))->setLabelVisible(true);
    }
    clerkChart->addSeries(pie);
}
