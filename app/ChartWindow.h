#pragma once
// A second window with the batch's times: per brain the time of each line, and a box plot of all
// of a brain's times (minimum, quartiles, median, maximum, as the bench's summary computes them).
#include <QWidget>
#include <array>

#include "app/BatchProgress.h"

class QChart;
class QLineSeries;
class QBoxPlotSeries;
class QBarCategoryAxis;
class QValueAxis;

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChartWindow(QWidget* parent);
    // Draws the times; names are brains 1, 2, 3.
    void Update(const tarvik::BatchProgress& progress, const std::array<QString, 3>& names);

    QLineSeries* LineSeries(int brain) const { return lines_[brain - 1]; }
    QBoxPlotSeries* Boxes() const { return boxes_; }

private:
    QChart* lineChart_;
    QChart* boxChart_;
    std::array<QLineSeries*, 3> lines_;
    QBoxPlotSeries* boxes_;
    QValueAxis* lineAxis_;
    QValueAxis* lineTimes_;
    QValueAxis* boxTimes_;
    QBarCategoryAxis* brainAxis_;
};
