#include "bench/report/SvgCharts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/DurationText.h"
#include "bench/report/Markup.h"

namespace tarvik {

namespace {

constexpr double kWidth = 720, kHeight = 240;
constexpr double kLeft = 64, kRight = 28, kTop = 14, kBottom = 40;
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;

std::string significant(double value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

// A range of values mapped onto 0..1, linear or logarithmic.
struct Axis {
    double low = 0, high = 1;
    bool logarithmic = false;
    double leastStep = 0;  // 1 for counts and sentence numbers

    // Whole decades when logarithmic, whole ticks steps otherwise.
    static Axis Covering(double low, double high, bool allowLog, double leastStep = 0) {
        Axis axis;
        axis.leastStep = leastStep;
        axis.logarithmic = allowLog && low > 0 && high / low > 10;
        if (axis.logarithmic) {
            axis.low = std::pow(10, std::floor(std::log10(low)));
            axis.high = std::pow(10, std::ceil(std::log10(high)));
        } else {
            double step = axis.step(high - low);
            axis.low = std::floor(low / step) * step;
            axis.high = std::max(std::ceil(high / step) * step, axis.low + step);
        }
        return axis;
    }

    // A step of 1, 2 or 5 times a power of ten giving about five ticks over the span.
    double step(double span) const {
        if (!(span > 0)) return std::max(leastStep, 1.0);
        double rough = span / 5, power = std::pow(10, std::floor(std::log10(rough)));
        double fraction = rough / power;
        return std::max(leastStep, (fraction < 1.5 ? 1 : fraction < 3.5 ? 2 : fraction < 7.5 ? 5 : 10) * power);
    }

    double Place(double value) const {
        if (logarithmic) return (std::log10(value) - std::log10(low)) / (std::log10(high) - std::log10(low));
        return (value - low) / (high - low);
    }
    double At(double fraction) const {
        if (logarithmic) return std::pow(10, std::log10(low) + fraction * (std::log10(high) - std::log10(low)));
        return low + fraction * (high - low);
    }

    std::vector<double> Ticks() const {
        std::vector<double> ticks;
        if (logarithmic) {
            for (double t = low; t <= high * 1.0001; t *= 10) ticks.push_back(t);
        } else {
            double every = step(high - low);
            for (double t = std::ceil(low / every) * every; t <= high + every * 1e-6; t += every) {
                ticks.push_back(std::abs(t) < every * 1e-9 ? 0 : t);
            }
        }
        return ticks;
    }
};

double xOf(const Axis& axis, double value) { return kLeft + axis.Place(value) * kPlotWidth; }
double yOf(const Axis& axis, double value) { return kTop + (1 - axis.Place(value)) * kPlotHeight; }

std::string openSvg(const std::string& label) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Coordinate(kWidth) + " " + Coordinate(kHeight) +
           "\" width=\"" + Coordinate(kWidth) + "\" height=\"" + Coordinate(kHeight) + "\" role=\"img\" aria-label=\"" +
           Escape(label) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
}

std::string text(double x, double y, const std::string& anchor, const std::string& content, const std::string& extra = "") {
    return "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
           Escape(content) + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const std::string& style) {
    return "<line x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" + Coordinate(x2) + "\" y2=\"" +
           Coordinate(y2) + "\" " + style + "/>\n";
}

// Grid lines, tick labels and axis titles around the plot area.
std::string axes(const Axis& x, const Axis& y, bool xIsTime, bool yIsTime, const std::string& xTitle,
                 const std::string& yTitle) {
    std::string out;
    auto label = [](double value, bool isTime) { return value == 0 ? std::string("0") : isTime ? DurationText(value) : significant(value, 6); };
    for (double t : y.Ticks()) {
        double py = yOf(y, t);
        out += line(kLeft, py, kLeft + kPlotWidth, py, "stroke=\"#e3e3e3\"");
        out += text(kLeft - 6, py + 4, "end", label(t, yIsTime));
    }
    for (double t : x.Ticks()) {
        double px = xOf(x, t);
        out += line(px, kTop + kPlotHeight, px, kTop + kPlotHeight + 4, "stroke=\"#555\"");
        out += text(px, kTop + kPlotHeight + 16, "middle", label(t, xIsTime));
    }
    out += line(kLeft, kTop + kPlotHeight, kLeft + kPlotWidth, kTop + kPlotHeight, "stroke=\"#555\"");
    out += line(kLeft, kTop, kLeft, kTop + kPlotHeight, "stroke=\"#555\"");
    out += text(kLeft + kPlotWidth / 2, kHeight - 6, "middle", xTitle + (x.logarithmic ? " (log scale)" : ""));
    double middle = kTop + kPlotHeight / 2;
    out += text(14, middle, "middle", yTitle + (y.logarithmic ? " (log scale)" : ""),
                " transform=\"rotate(-90 14 " + Coordinate(middle) + ")\"");
    return out;
}

std::string emptyChart(const std::string& label) {
    return openSvg(label) + text(kWidth / 2, kHeight / 2, "middle", "no answered calls") + "</svg>\n";
}

}  // namespace

std::string HistogramSvg(const std::vector<double>& milliseconds, const std::string& colour, double median) {
    const std::string label = "Histogram of call times";
    if (milliseconds.empty()) return emptyChart(label);
    auto [lowest, highest] = std::minmax_element(milliseconds.begin(), milliseconds.end());
    double low = *lowest, high = *highest;
    if (high == low) high = low > 0 ? low * 1.5 : 1;  // one value still gets a visible bar
    Axis x = Axis::Covering(low, high, true);
    constexpr int kBins = 40;
    std::vector<size_t> counts(kBins);
    for (double t : milliseconds) {
        int bin = static_cast<int>(x.Place(std::max(t, x.low)) * kBins);
        ++counts[std::clamp(bin, 0, kBins - 1)];
    }
    Axis y = Axis::Covering(0, static_cast<double>(*std::max_element(counts.begin(), counts.end())), false, 1);
    std::string out = openSvg(label);
    out += axes(x, y, true, false, "time per call", "calls");
    for (int b = 0; b < kBins; ++b) {
        if (counts[b] == 0) continue;
        double from = x.At(static_cast<double>(b) / kBins), to = x.At(static_cast<double>(b + 1) / kBins);
        double left = xOf(x, from), right = xOf(x, to), top = yOf(y, static_cast<double>(counts[b]));
        out += "<rect x=\"" + Coordinate(left + 0.5) + "\" y=\"" + Coordinate(top) + "\" width=\"" +
               Coordinate(std::max(right - left - 1, 0.5)) + "\" height=\"" + Coordinate(kTop + kPlotHeight - top) +
               "\" fill=\"" + Escape(colour) + "\"><title>" + Escape(DurationText(from)) + " to " +
               Escape(DurationText(to)) + ": " + std::to_string(counts[b]) + " calls</title></rect>\n";
    }
    double px = std::clamp(xOf(x, median), kLeft, kLeft + kPlotWidth);
    out += line(px, kTop, px, kTop + kPlotHeight, "stroke=\"#222\" stroke-dasharray=\"4 3\"");
    bool roomRight = px < kLeft + kPlotWidth * 0.75;
    out += text(px + (roomRight ? 4 : -4), kTop + 10, roomRight ? "start" : "end", "median " + DurationText(median));
    return out + "</svg>\n";
}

std::string SentenceLinesSvg(const std::vector<ChartSeries>& series) {
    const std::string label = "Time per sentence across the input";
    size_t count = 0;
    double low = INFINITY, high = -INFINITY;
    for (const ChartSeries& s : series) {
        count = std::max(count, s.values.size());
        for (double v : s.values) {
            if (std::isnan(v)) continue;
            low = std::min(low, v), high = std::max(high, v);
        }
    }
    if (count == 0 || low > high) return emptyChart(label);
    if (high == low) high = low > 0 ? low * 1.5 : 1;
    Axis x = Axis::Covering(1, std::max<double>(static_cast<double>(count), 2), false, 1);
    x.low = 1, x.high = std::max<double>(static_cast<double>(count), 2);
    Axis y = Axis::Covering(low, high, true);
    std::string out = openSvg(label);
    out += axes(x, y, false, true, "sentence", "median time");
    bool markers = count <= 60;
    for (const ChartSeries& s : series) {
        std::string colour = Escape(s.colour), points;
        auto flush = [&] {
            if (!points.empty()) {
                out += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"1.5\" points=\"" + points + "\"/>\n";
            }
            points.clear();
        };
        for (size_t i = 0; i < s.values.size(); ++i) {
            double v = s.values[i];
            if (std::isnan(v)) {
                flush();
                continue;
            }
            double px = xOf(x, static_cast<double>(i + 1)), py = yOf(y, v);
            points += (points.empty() ? "" : " ") + Coordinate(px) + "," + Coordinate(py);
            if (markers) {
                out += "<circle cx=\"" + Coordinate(px) + "\" cy=\"" + Coordinate(py) + "\" r=\"2.5\" fill=\"" + colour +
                       "\"><title>" + Escape(s.name) + ", sentence " + std::to_string(i + 1) + ": " +
                       Escape(DurationText(v)) + "</title></circle>\n";
            }
        }
        flush();
    }
    // The legend sits above the plot's top right corner, one entry per series.
    double legendX = kLeft + kPlotWidth;
    for (size_t i = series.size(); i-- > 0;) {
        double width = 26 + 6.5 * static_cast<double>(series[i].name.size());
        legendX -= width;
        out += "<rect x=\"" + Coordinate(legendX) + "\" y=\"2\" width=\"12\" height=\"8\" fill=\"" + Escape(series[i].colour) + "\"/>\n";
        out += text(legendX + 16, 10, "start", series[i].name);
    }
    return out + "</svg>\n";
}

}  // namespace tarvik
