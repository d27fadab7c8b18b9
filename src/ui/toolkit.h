#pragma once

#include <string>

// The window operations the game needs. The Qt window implements it; tests use a recording fake.
// Drawing and mouse coordinates are in the user scale set by scale().
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Value of option button Option1..Option7: true when selected in its group.
    virtual bool optionValue(int option) const = 0;
    // Value of the check box Check1: 0 unticked, 1 ticked.
    virtual int check1Value() const = 0;
    virtual void setText1(const std::string& text) = 0;
    virtual void setTimer1Enabled(bool enabled) = 0;

    // The surface's left, top, right and bottom edges in user units.
    virtual void scale(double left, double top, double right, double bottom) = 0;
    virtual void setForeColor(unsigned rgb) = 0;
    virtual void setBackColor(unsigned rgb) = 0;
    virtual void cls() = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void circle(double x, double y, double radius) = 0;
    // The window's outer width (client area plus frame) in twips, 15 to a pixel.
    virtual int outerWidthTwips() const = 0;

    // Modal, one OK button; returns when closed.
    virtual void messageBox(const std::string& text) = 0;
    // Runs the handlers of every waiting event, then returns.
    virtual void doEvents() = 0;
    // A number r with 0 <= r < 1.
    virtual double rnd() = 0;
};
