#include "app/ChartWindow.h"

#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "bench/Statistics.h"

namespace {

QChartView* viewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

// Axes that follow the data: a chart's own axes do not rescale when points are replaced.
void fitAxes(QChart* chart, const QString& horizontal) {
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->createDefaultAxes();
    for (QAbstractAxis* axis : chart->axes(Qt::Horizontal)) {
        axis->setTitleText(horizontal);
        if (auto* values = qobject_cast<QValueAxis*>(axis)) values->setLabelFormat("%.0f");
    }
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical)) axis->setTitleText("ms");
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Tarvik - times of the batch");
    lineChart_ = new QChart;
    lineChart_->setTitle("Time of each line (ms)");
    for (auto& series : lines_) {
        series = new QLineSeries;
        lineChart_->addSeries(series);
    }
    boxChart_ = new QChart;
    boxChart_->setTitle("All times per brain (ms): minimum, quartiles, median, maximum");
    boxChart_->legend()->hide();
    boxes_ = new QBoxPlotSeries;
    boxChart_->addSeries(boxes_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(viewOf(lineChart_, this), 3);
    layout->addWidget(viewOf(boxChart_, this), 2);
    int line = fontMetrics().height();
    resize(line * 50, line * 40);
}

void ChartWindow::Update(const tarvik::BatchProgress& progress, const std::array<QString, 3>& names) {
    boxes_->clear();
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
        auto* box = new QBoxSet(summary.minimum, summary.lowerQuartile, summary.median, summary.upperQuartile,
                                summary.maximum, names[b]);
        boxes_->append(box);
    }
    fitAxes(lineChart_, "Line");
    fitAxes(boxChart_, "");
}
