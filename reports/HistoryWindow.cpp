#include "reports/HistoryWindow.h"

#include "reports/BarChart.h"
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
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
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
        if (role == Qt::TextAlignmentRole && index.column() >= 6)
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
            return closeText(e);
        case 6:
            return QString::number(e.figures.document);
        case 7:
            return formatAmount(e.figures.grandTotal);
        default:
            return e.reads;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const headings[kColumns] = {
            QT_TRANSLATE_NOOP("HistoryWindow", "READ"),    QT_TRANSLATE_NOOP("HistoryWindow", "SCALE"),
            QT_TRANSLATE_NOOP("HistoryWindow", "PORT"),    QT_TRANSLATE_NOOP("HistoryWindow", "PC"),
            QT_TRANSLATE_NOOP("HistoryWindow", "KIND"),    QT_TRANSLATE_NOOP("HistoryWindow", "CLOSE"),
            QT_TRANSLATE_NOOP("HistoryWindow", "DOC NUM"), QT_TRANSLATE_NOOP("HistoryWindow", "TOTAL"),
            QT_TRANSLATE_NOOP("HistoryWindow", "READS")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return HistoryWindow::tr(headings[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    std::vector<store::ArchiveEntry> entries;

private:
    static constexpr int kColumns = 9;

    // What became of the close after a Z report: read back as done, refused, or not known (yet); an X
    // report was a reading only.
    static QString closeText(const store::ArchiveEntry& e) {
        if (e.kind == store::ReportKind::X)
            return QStringLiteral("X");
        if (!e.closeAcknowledged)
            return HistoryWindow::tr("unknown");
        return *e.closeAcknowledged ? HistoryWindow::tr("closed") : HistoryWindow::tr("refused");
    }
};

} // namespace reports

namespace {

QDateEdit* periodEdit() {
    auto* edit = new DateField(QDate::currentDate());
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

HistoryWindow::HistoryWindow(ScaleSession& session, QWidget* parent)
    : QWidget(parent), archiveEdit(new QLineEdit), siteEdit(new QLineEdit), fromEdit(periodEdit()),
      toEdit(periodEdit()), loadButton(new QPushButton(tr("LOAD"))),
      exportButton(new QPushButton(tr("EXPORT CSV"))),
      exportWorkbookButton(new QPushButton(tr("EXPORT XLSX"))), table(new QTableView),
      hourChart(new BarChart), dayChart(new BarChart), clerkChart(new BarChart), session(session),
      model(new reports::HistoryModel(this)) {
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
    grid->addWidget(dayChart, 1, 1);
    grid->addWidget(hourChart, 2, 0);
    grid->addWidget(clerkChart, 2, 1);
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

void HistoryWindow::drawDays() {
    dayChart->setSeries(reports::daySeries(reports::dailyTotals(model->entries), currency()));
}

void HistoryWindow::showEntry(int row) {
    const QStringList names = session.clerkNames ? session.clerkNames() : QStringList();
    std::optional<std::vector<store::ArchiveEntry>> read;
    if (row >= 0 && row < int(model->entries.size())) {
        store::HistoryFilter one;
        one.id = model->entries[size_t(row)].id;
        QString error;
        if (const auto archive = openLoaded(&error))
            read = archive->entries(one, &error);
    }
    const store::ReportFigures* figures = read && !read->empty() ? &read->front().figures : nullptr;
    hourChart->setSeries(reports::hourSeries(figures, currency()));
    clerkChart->setSeries(reports::clerkSeries(figures, names, currency()));
}
