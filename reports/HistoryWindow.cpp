#include "reports/HistoryWindow.h"

#include "reports/HistoryCharts.h"
#include "reports/HistoryWorkbook.h"
#include "reports/SalesHistory.h"
#include "text/DateTimeText.h"
#include "text/OutputFile.h"
#include "ui/DateField.h"
#include "ui/Prompts.h"
#include "ui/RegularHeadings.h"
#include "ui/ScaleSession.h"
#include "ui/WindowFrames.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateEdit>
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
#include <algorithm>

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
            return QLocale().toString(e.readAtLocal.date(), regionalFullYearDateFormat()) + QLatin1Char(' ') +
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
        static const char* const headings[kColumns] = {
            QT_TRANSLATE_NOOP("HistoryWindow", "READ"),  QT_TRANSLATE_NOOP("HistoryWindow", "SCALE"),
            QT_TRANSLATE_NOOP("HistoryWindow", "PORT"),  QT_TRANSLATE_NOOP("HistoryWindow", "PC"),
            QT_TRANSLATE_NOOP("HistoryWindow", "KIND"),  QT_TRANSLATE_NOOP("HistoryWindow", "DOC NUM"),
            QT_TRANSLATE_NOOP("HistoryWindow", "TOTAL"), QT_TRANSLATE_NOOP("HistoryWindow", "READS")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return HistoryWindow::tr(headings[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    std::vector<store::ArchiveEntry> entries;

private:
    static constexpr int kColumns = 8;
};

} // namespace reports

namespace {

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

QDateEdit* periodEdit() {
    auto* edit = new DateField(QDate::currentDate());
    edit->setCalendarPopup(true);
    return edit;
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
    : QWidget(parent), archiveEdit(new QLineEdit), siteEdit(new QLineEdit), fromEdit(periodEdit()),
      toEdit(periodEdit()), loadButton(new QPushButton(tr("LOAD"))),
      exportButton(new QPushButton(tr("EXPORT CSV"))),
      exportWorkbookButton(new QPushButton(tr("EXPORT XLSX"))), table(new QTableView), hourChart(new QChart),
      dayChart(new QChart), clerkChart(new QChart), session(session), model(new reports::HistoryModel(this)) {
    setWindowTitle(tr("HISTORY"));
    setObjectName(QStringLiteral("HistoryWindow"));

    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(tr("Archive")));
    settings->addWidget(archiveEdit, 3);
    settings->addWidget(new QLabel(tr("Site")));
    settings->addWidget(siteEdit, 1);
    settings->addWidget(new QLabel(tr("From")));
    settings->addWidget(fromEdit, 1);
    settings->addWidget(new QLabel(tr("To")));
    settings->addWidget(toEdit, 1);
    settings->addWidget(loadButton);
    settings->addWidget(exportButton);
    settings->addWidget(exportWorkbookButton);

    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    keepSelectedHeadingsRegular(table->horizontalHeader());

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->addLayout(settings, 0, 0, 1, 2);
    grid->addWidget(table, 1, 0);
    grid->addWidget(chartView(dayChart, tr("Total per day")), 1, 1);
    grid->addWidget(chartView(hourChart, tr("Sales by hour")), 2, 0);
    grid->addWidget(chartView(clerkChart, tr("Clerks' shares")), 2, 1);
    resize(980, 680);

    siteEdit->setText(session.archiveSite);
    siteEdit->setToolTip(tr("The shop of a chain this PC belongs to, kept with every report"));
    connect(siteEdit, &QLineEdit::textChanged, this,
            [this](const QString& site) { this->session.archiveSite = site.trimmed(); });
    connect(loadButton, &QPushButton::clicked, this, &HistoryWindow::loadEntries);
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportEntries);
    connect(exportWorkbookButton, &QPushButton::clicked, this, &HistoryWindow::exportWorkbook);
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
        // The first listing is the whole archive; the period fields then show the days it spans.
        archiveEdit->setText(session.archiveLocation);
        load({});
        const QDate today = QDate::currentDate();
        const std::vector<store::ArchiveEntry>& listed = model->entries;
        fromEdit->setDate(listed.empty() ? today : std::min(today, listed.front().readAtLocal.date()));
        toEdit->setDate(listed.empty() ? today : std::max(today, listed.back().readAtLocal.date()));
    }
}

std::unique_ptr<store::SalesArchive> HistoryWindow::openLoaded(QString* error) const {
    if (loadedArchive.isEmpty())
        return nullptr;
    return store::SalesArchive::open(loadedArchive, error, store::Database::Access::ReadOnly);
}

void HistoryWindow::loadEntries() {
    load({QString(), fromEdit->date(), toEdit->date()});
}

void HistoryWindow::load(const store::HistoryFilter& period) {
    const QString where = archiveEdit->text().trimmed();
    filter = period;
    QString error;
    std::optional<std::vector<store::ArchiveEntry>> list;
    if (auto archive = store::SalesArchive::open(where, &error, store::Database::Access::ReadOnly))
        list = archive->entries(filter, &error, store::SalesArchive::Figures::Totals);
    if (list) {
        loadedArchive = where;
        session.archiveLocation = where;
    } else {
        loadedArchive.clear();
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
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

std::optional<std::vector<store::ArchiveEntry>> HistoryWindow::listedWithFigures() {
    QString error;
    std::optional<std::vector<store::ArchiveEntry>> list;
    if (auto archive = openLoaded(&error))
        list = archive->entries(filter, &error);
    if (!list)
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
    return list;
}

void HistoryWindow::exportEntries() {
    exportListing(tr("CSV files") + QStringLiteral("|*.csv"), QStringLiteral("csv"), [](const auto& list) {
        const reports::CsvConvention convention = reports::regionalCsvConvention();
        return std::optional<QByteArray>(
            reports::historyCsv(list, convention.separator, convention.decimalMark));
    });
}

void HistoryWindow::exportWorkbook() {
    exportListing(tr("Excel workbooks") + QStringLiteral("|*.xlsx"), QStringLiteral("xlsx"),
                  [](const auto& list) {
                      QString error;
                      return reports::historyWorkbook(list, &error);
                  });
}

void HistoryWindow::exportListing(const QString& filter, const QString& suffix, const ListingBytes& bytesOf) {
    const QString path = prompts().saveFileName(filter, suffix, QString());
    if (path.isEmpty())
        return;
    const std::optional<std::vector<store::ArchiveEntry>> list = listedWithFigures();
    if (!list)
        return;
    const std::optional<QByteArray> bytes = bytesOf(*list);
    if (!bytes || !writeOutputFile(path, *bytes).isEmpty())
        prompts().message(tr("ERROR!"), tr("I/O Error!"));
}

QString HistoryWindow::currency() const {
    return session.currency ? session.currency() : QString();
}

namespace {

// A value axis for amounts: titled with the currency, over a range that is never undefined.
QValueAxis* amountAxis(const std::vector<double>& values, const QString& currency) {
    auto* axis = new QValueAxis;
    const auto [low, high] = reports::amountRange(values);
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setTitleText(reports::amountAxisTitle(currency));
    return axis;
}

} // namespace

void HistoryWindow::drawDays() {
    dayChart->removeAllSeries();
    clearAxes(dayChart);
    const std::vector<std::pair<QDate, int64_t>> days = reports::dailyTotals(model->entries);
    if (days.empty()) {
        dayChart->setTitle(tr("Total per day: no reports in this period"));
        return;
    }
    dayChart->setTitle(tr("Total per day"));
    std::vector<double> values;
    QAbstractSeries* series = nullptr;
    QAbstractAxis* dayAxis = nullptr;
    if (days.size() <= size_t(reports::kMostDayBars)) {
        // A bar per day: one day is one bar, where a line of one point draws nothing.
        auto* totals = new QBarSet(tr("Total"));
        auto* categories = new QBarCategoryAxis;
        // A week of dates side by side has no room under its bars: they stand upright.
        categories->setLabelsAngle(-90);
        for (const auto& [day, total] : days) {
            *totals << units(total);
            values.push_back(units(total));
            categories->append(QLocale().toString(day, regionalDayMonthFormat()));
        }
        auto* bars = new QBarSeries;
        bars->append(totals);
        series = bars;
        dayAxis = categories;
    } else {
        auto* line = new QLineSeries;
        for (const auto& [day, total] : days) {
            line->append(double(day.startOfDay().toMSecsSinceEpoch()), units(total));
            values.push_back(units(total));
        }
        auto* time = new QDateTimeAxis;
        time->setFormat(regionalDayMonthFormat());
        time->setTickCount(4);
        time->setRange(days.front().first.startOfDay(), days.back().first.startOfDay());
        series = line;
        dayAxis = time;
    }
    dayChart->addSeries(series);
    dayAxis->setTitleText(tr("Day"));
    dayChart->addAxis(dayAxis, Qt::AlignBottom);
    series->attachAxis(dayAxis);
    QValueAxis* value = amountAxis(values, currency());
    dayChart->addAxis(value, Qt::AlignLeft);
    series->attachAxis(value);
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
    auto* hours = new QBarSet(tr("Sales"));
    std::vector<double> values;
    for (int h = 0; h < store::kArchiveHours; ++h) {
        *hours << units(figures.hourAmounts[size_t(h)]);
        values.push_back(units(figures.hourAmounts[size_t(h)]));
    }
    auto* bars = new QBarSeries;
    bars->append(hours);
    hourChart->addSeries(bars);
    // The hours on a number axis labelled every second hour: twenty-four category labels do not fit
    // the chart's width and each would be cut to an ellipsis.
    auto* hourAxis = new QValueAxis;
    hourAxis->setRange(-0.5, store::kArchiveHours - 0.5);
    hourAxis->setTickType(QValueAxis::TicksDynamic);
    hourAxis->setTickAnchor(0);
    hourAxis->setTickInterval(2);
    hourAxis->setLabelFormat(QStringLiteral("%.0f"));
    hourAxis->setTitleText(tr("Hour"));
    hourChart->addAxis(hourAxis, Qt::AlignBottom);
    bars->attachAxis(hourAxis);
    QValueAxis* value = amountAxis(values, currency());
    hourChart->addAxis(value, Qt::AlignLeft);
    bars->attachAxis(value);

    // A share is a clerk's sales, under the clerk's name; a clerk with none has no slice.
    auto* pie = new QPieSeries;
    const QStringList names = session.clerkNames ? session.clerkNames() : QStringList();
    for (const auto& [name, sales] : reports::clerkShares(figures, names))
        pie->append(name, sales)->setLabelVisible(true);
    clerkChart->addSeries(pie);
}
