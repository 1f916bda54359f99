// A bar chart drawn with QPainter: the HISTORY window's charts per day, per hour and per clerk, the
// same on every platform. It lays out a BarSeries (reports/HistoryCharts.h) in its own size: the
// title on top, a value axis of round ticks on the left, the bars under their labels; labels are
// never cut short, and stand upright or skip bars rather than overlap.
#pragma once

#include "reports/HistoryCharts.h"

#include <QRectF>
#include <QWidget>
#include <vector>

class BarChart : public QWidget {
public:
    explicit BarChart(QWidget* parent = nullptr);

    void setSeries(reports::BarSeries series);
    const reports::BarSeries& series() const { return shown; }

    // A text as drawn, in the rectangle it covers; an upright one reads from bottom to top.
    struct Text {
        QString text;
        QRectF rect;
        bool upright = false;
    };
    // Where everything goes at a size. Without values there is the title only.
    struct Layout {
        Text title;
        QRectF plot;
        std::vector<QRectF> bars;
        std::vector<Text> categoryLabels;
        std::vector<double> ticks;
        std::vector<Text> tickLabels;
        Text categoryTitle;
        Text valueTitle;
    };
    Layout layout(QSizeF size) const;

    // The bars' colour, for telling them from the grid in a rendered picture.
    static QColor barColor();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    reports::BarSeries shown;
};
