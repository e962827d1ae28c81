#pragma once
// The window's controls where they were designed, in twips (1/1440 inch: 15 make a pixel at
// 96 dpi), scaled with the screen's dpi and, when the font is taller than the design's 13-pixel
// line, with the font. Extra room goes to the text boxes; the buttons and the name and time table
// stay anchored to the right (and the table to the bottom).
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

class DesignLayout {
public:
    // How a control follows the panel when it is wider (dx) or taller (dy) than designed, and where
    // the extra width of the time column (extra) goes.
    enum Anchor {
        GrowBoth,       // the output box
        BottomGrow,     // the input box
        Right,          // the buttons
        BottomRight,    // the name labels
        BottomRightTime // the time labels: they take the extra width
    };

    DesignLayout(QWidget* panel, int designWidth, int designHeight);
    void Add(QWidget* widget, int left, int top, int width, int height, Anchor anchor);
    // Widens the time column to hold a text this many pixels wide.
    void FitTimeColumn(int textWidth);
    // The designed size, scaled, with the time column's extra width: the panel's smallest size.
    QSize MinimumSize() const;
    // Places every control for the panel's current size.
    void Apply() const;

private:
    int pixels(int twips) const;

    struct Item {
        QWidget* widget;
        QRect twips;
        Anchor anchor;
    };
    QWidget* panel_;
    QSize design_;
    double scale_;     // pixels per twip
    int timeWidth_;    // the time column's designed width in twips
    int extra_ = 0;    // pixels added to the time column
    std::vector<Item> items_;
};
