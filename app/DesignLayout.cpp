#include "app/DesignLayout.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kDesignLineHeight = 13.0;  // pixels at 96 dpi: the design's labels are 195 twips tall

}  // namespace

DesignLayout::DesignLayout(QWidget* panel, int designWidth, int designHeight)
    : panel_(panel), design_(designWidth, designHeight), timeWidth_(0) {
    double dpi = panel->logicalDpiX() / 96.0;
    double font = panel->fontMetrics().height() / kDesignLineHeight;
    scale_ = std::max(dpi, font) / 15.0;
}

int DesignLayout::pixels(int twips) const { return static_cast<int>(std::lround(twips * scale_)); }

void DesignLayout::Add(QWidget* widget, int left, int top, int width, int height, Anchor anchor) {
    items_.push_back({widget, QRect(left, top, width, height), anchor});
    if (anchor == BottomRightTime) timeWidth_ = width;
}

void DesignLayout::FitTimeColumn(int textWidth) { extra_ = std::max(0, textWidth - pixels(timeWidth_)); }

QSize DesignLayout::MinimumSize() const { return {pixels(design_.width()) + extra_, pixels(design_.height())}; }

void DesignLayout::Apply() const {
    QSize least = MinimumSize();
    int dx = std::max(0, panel_->width() - least.width()), dy = std::max(0, panel_->height() - least.height());
    for (const Item& item : items_) {
        QRect r(pixels(item.twips.left()), pixels(item.twips.top()), pixels(item.twips.width()),
                pixels(item.twips.height()));
        switch (item.anchor) {
            case GrowBoth: r.adjust(0, 0, dx + extra_, dy); break;
            case BottomGrow: r.adjust(0, dy, dx, dy); break;
            case Right: r.translate(dx + extra_, 0); break;
            case BottomRight: r.translate(dx, dy); break;
            case BottomRightTime: r.translate(dx, dy), r.adjust(0, 0, extra_, 0); break;
        }
        item.widget->setGeometry(r);
    }
}
