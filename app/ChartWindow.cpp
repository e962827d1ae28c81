#include "app/ChartWindow.h"

#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "bench/Statistics.h"

namespace {

QChartView* viewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QValueAxis* timeAxis(QChart* chart) {
    auto* axis = new QValueAxis;
    axis->setTitleText("ms");
    axis->setLabelFormat("%g");
    chart->addAxis(axis, Qt::AlignLeft);
    return axis;
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Tarvik - times of the batch");
    lineChart_ = new QChart;
    lineChart_->setTitle("Time of each line");
    lineAxis_ = new QValueAxis;
    lineAxis_->setTitleText("Line");
    lineAxis_->setLabelFormat("%d");
    lineChart_->addAxis(lineAxis_, Qt::AlignBottom);
    lineTimes_ = timeAxis(lineChart_);
    for (auto& series : lines_) {
        series = new QLineSeries;
        series->setPointsVisible(true);
        lineChart_->addSeries(series);
        series->attachAxis(lineAxis_);
        series->attachAxis(lineTimes_);
    }
    boxChart_ = new QChart;
    boxChart_->setTitle("All times per brain: minimum, quartiles, median, maximum");
    boxChart_->legend()->hide();
    boxes_ = new QBoxPlotSeries;
    boxChart_->addSeries(boxes_);
    brainAxis_ = new QBarCategoryAxis;
    boxChart_->addAxis(brainAxis_, Qt::AlignBottom);
    boxTimes_ = timeAxis(boxChart_);
    boxes_->attachAxis(brainAxis_);
    boxes_->attachAxis(boxTimes_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(viewOf(lineChart_, this), 3);
    layout->addWidget(viewOf(boxChart_, this), 2);
    int line = fontMetrics().height();
    resize(line * 50, line * 40);
}

void ChartWindow::Update(const tarvik::BatchProgress& progress, const std::array<QString, 3>& names) {
    boxes_->clear();
    brainAxis_->clear();
    double slowest = 0;
    for (int b = 0; b < 3; ++b) {
        QList<QPointF> points;
        std::vector<double> times;
        for (const auto& timed : progress.Times(b + 1)) {
            points.append(QPointF(timed.line, timed.milliseconds));
            times.push_back(timed.milliseconds);
        }
        lines_[b]->setName(names[b]);
        lines_[b]->replace(points);
        tarvik::TimeSummary summary = tarvik::Summarise(times);
        slowest = std::max(slowest, summary.maximum);
        boxes_->append(new QBoxSet(summary.minimum, summary.lowerQuartile, summary.median, summary.upperQuartile,
                                   summary.maximum, names[b]));
        brainAxis_->append(names[b]);
    }
    // The axes follow the data: the first line to the last, zero to a little above the slowest time.
    lineAxis_->setRange(1, std::max(2, progress.Done()));
    lineAxis_->setTickCount(std::clamp(progress.Done(), 2, 11));
    double top = slowest > 0 ? slowest * 1.1 : 1;
    for (QValueAxis* axis : {lineTimes_, boxTimes_}) {
        axis->setRange(0, top);
        axis->applyNiceNumbers();
    }
}
