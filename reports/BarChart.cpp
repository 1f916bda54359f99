#include "reports/BarChart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMargin = 6;
constexpr double kGap = 4;
// The share of a bar's slot the bar fills.
constexpr double kBarShare = 0.7;

QFont titleFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

// The fewest bars between two labelled ones.
int labelSpacing(const QStringList& labels) {
    int spacing = 0, last = -1;
    for (int i = 0; i < labels.size(); ++i)
        if (!labels[i].isEmpty()) {
            if (last >= 0)
                spacing = spacing == 0 ? i - last : std::min(spacing, i - last);
            last = i;
        }
    return std::max(spacing, 1);
}

// The width of a text of one or more lines.
double textWidth(const QString& text, const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A label on two lines, broken at the space that leaves the wider line narrowest; one without a
// space stays on one.
QString twoLines(const QString& label, const QFontMetricsF& metrics) {
    QString best = label;
    double narrowest = metrics.horizontalAdvance(label);
    for (qsizetype at = label.indexOf(QLatin1Char(' ')); at > 0;
         at = label.indexOf(QLatin1Char(' '), at + 1)) {
        QString broken = label;
        broken[at] = QLatin1Char('\n');
        if (const double width = textWidth(broken, metrics); width < narrowest) {
            narrowest = width;
            best = broken;
        }
    }
    return best;
}

} // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 220);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BarChart::setSeries(reports::BarSeries series) {
    shown = std::move(series);
    update();
}

QColor BarChart::barColor() {
    return QColor(32, 128, 208);
}

QSize BarChart::sizeHint() const {
    return {400, 280};
}

BarChart::Layout BarChart::layout(QSizeF size) const {
    const QFontMetricsF metrics(font());
    const QFontMetricsF titleMetrics(titleFont(font()));
    const double line = metrics.height();
    Layout laid;
    // A title wider than the chart goes onto two lines.
    const QString title = titleMetrics.horizontalAdvance(shown.title) > size.width() - 2 * kMargin
                              ? twoLines(shown.title, titleMetrics)
                              : shown.title;
    const double titleWidth = textWidth(title, titleMetrics);
    laid.title = {title, QRectF((size.width() - titleWidth) / 2, kMargin, titleWidth,
                                titleMetrics.height() * double(title.count(QLatin1Char('\n')) + 1))};
    if (shown.values.empty())
        return laid;

    const auto [low, high] = reports::amountRange(shown.values);
    // Each label on one line, and broken at a space onto two where that is narrower.
    QStringList wrapped;
    double widestLabel = 0, widestWrapped = 0;
    for (const QString& label : shown.labels) {
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(label));
        wrapped << twoLines(label, metrics);
        widestWrapped = std::max(widestWrapped, textWidth(wrapped.back(), metrics));
    }
    const double top = laid.title.rect.bottom() + kGap + line / 2;
    // The labels under the bars start below the lowest tick's label, which is centred on the axis.
    const double labelGap = line / 2 + kGap / 2;
    const double categoryTitleHeight = shown.categoryTitle.isEmpty() ? 0 : line + kGap;

    // The plot's height sets how many ticks fit, the ticks' labels the plot's left edge, and that the
    // room each bar has for its label: first with labels lying on one line, then as they will stand.
    // A label lies on one line where it fits, else stands upright where that leaves the plot most of
    // the height, else lies on two lines, else only every so many bars are labelled.
    enum class Labels { OneLine, Upright, TwoLines } labels = Labels::OneLine;
    auto labelHeight = [&] {
        return labels == Labels::Upright ? widestLabel : labels == Labels::TwoLines ? 2 * line : line;
    };
    int step = 1;
    reports::ValueTicks ticks;
    for (int pass = 0; pass < 2; ++pass) {

        const double bottom = size.height() - kMargin - categoryTitleHeight - labelHeight() - labelGap;
        ticks = reports::niceTicks(low, high, int((bottom - top) / (2 * line)) + 1);
        double widestTick = 0;
        for (double tick : ticks.at)
            widestTick =
                std::max(widestTick, metrics.horizontalAdvance(reports::tickLabel(tick, ticks.decimals)));
        // The first and last labels are centred on their bars and may reach beyond the plot.
        const double left =
            std::max(kMargin + (shown.valueTitle.isEmpty() ? 0 : line + kGap) + widestTick + kGap,
                     kMargin + widestLabel / 2);
        laid.plot = QRectF(QPointF(left, top), QPointF(size.width() - kMargin - widestLabel / 2, bottom));
        const double room = laid.plot.width() / double(shown.values.size()) * labelSpacing(shown.labels);
        labels = Labels::OneLine;
        step = 1;
        if (widestLabel + kGap > room) {
            if (line + 1 <= room && widestLabel <= size.height() / 3)
                labels = Labels::Upright;
            else if (widestWrapped + kGap <= room)
                labels = Labels::TwoLines;
            else
                step = int(std::ceil((widestLabel + kGap) / room));
        }
    }

    const QRectF& plot = laid.plot;
    const double lowest = ticks.at.front(), highest = ticks.at.back();
    auto yOf = [&](double value) {
        return plot.bottom() - (value - lowest) / (highest - lowest) * plot.height();
    };
    laid.ticks = ticks.at;
    for (double tick : ticks.at) {
        const QString text = reports::tickLabel(tick, ticks.decimals);
        const double width = metrics.horizontalAdvance(text);
        laid.tickLabels.push_back(
            {text, QRectF(plot.left() - kGap - width, yOf(tick) - line / 2, width, line)});
    }
    const double slot = plot.width() / double(shown.values.size());
    const double barWidth = std::max(1.0, std::round(slot * kBarShare));
    int labelled = 0;
    for (size_t i = 0; i < shown.values.size(); ++i) {
        const double centre = plot.left() + (double(i) + 0.5) * slot;
        const double value = std::isfinite(shown.values[i]) ? shown.values[i] : 0;
        laid.bars.push_back(QRectF(QPointF(std::round(centre - barWidth / 2), std::round(yOf(value))),
                                   QPointF(std::round(centre - barWidth / 2) + barWidth, std::round(yOf(0))))
                                .normalized());
        const QString label = labels == Labels::TwoLines ? wrapped.value(int(i)) : shown.labels.value(int(i));
        if (label.isEmpty() || labelled++ % step != 0)
            continue;
        const double width = textWidth(label, metrics);
        const double height = line * double(label.count(QLatin1Char('\n')) + 1);
        laid.categoryLabels.push_back(
            labels == Labels::Upright
                ? Text{label, QRectF(centre - line / 2, plot.bottom() + labelGap, line, width), true}
                : Text{label, QRectF(centre - width / 2, plot.bottom() + labelGap, width, height)});
    }
    const double labelsBottom = plot.bottom() + labelGap + labelHeight();
    const double categoryWidth = metrics.horizontalAdvance(shown.categoryTitle);
    laid.categoryTitle = {shown.categoryTitle, QRectF(plot.center().x() - categoryWidth / 2,
                                                      labelsBottom + kGap, categoryWidth, line)};
    const double valueWidth = metrics.horizontalAdvance(shown.valueTitle);
    laid.valueTitle = {shown.valueTitle,
                       QRectF(kMargin, plot.center().y() - valueWidth / 2, line, valueWidth), true};
    return laid;
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Layout laid = layout(size());
    auto draw = [&](const Text& text) {
        if (!text.upright) {
            painter.drawText(text.rect, Qt::AlignCenter | Qt::TextDontClip, text.text);
            return;
        }
        painter.save();
        painter.translate(text.rect.left(), text.rect.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, text.rect.height(), text.rect.width()),
                         Qt::AlignCenter | Qt::TextDontClip, text.text);
        painter.restore();
    };
    painter.setFont(titleFont(font()));
    painter.setPen(palette().color(QPalette::Text));
    draw(laid.title);
    if (laid.bars.empty())
        return;
    painter.setFont(font());
    const QRectF& plot = laid.plot;
    // The grid at the ticks, faint, then the bars on it, then the axis lines over their feet.
    painter.setPen(palette().color(QPalette::Mid));
    for (const Text& tick : laid.tickLabels) {
        const double y = std::round(tick.rect.center().y());
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (const QRectF& bar : laid.bars)
        painter.fillRect(bar, barColor());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const std::vector<Text>* texts : {&laid.tickLabels, &laid.categoryLabels})
        for (const Text& text : *texts)
            draw(text);
    draw(laid.categoryTitle);
    draw(laid.valueTitle);
}
