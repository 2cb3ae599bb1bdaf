#include "hovercolour.h"

#include <algorithm>

namespace {

constexpr int kLift = 0x1E;

int Lift(int channel)
{
    return std::min(channel + kLift, 0xFF);
}

}  // namespace

QColor HoverBackgroundColour(const QColor& buttonColour)
{
    const QColor rgb = buttonColour.toRgb();
    return QColor(Lift(rgb.red()), Lift(rgb.green()), Lift(rgb.blue()));
}
