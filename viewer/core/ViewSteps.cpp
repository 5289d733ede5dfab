// Zoom and grid-sort steps.
#include "ViewSteps.h"

#include <algorithm>

int ClampZoom(int value, int min, int max)
{
    if (min > max)
        std::swap(min, max);
    return std::clamp(value, min, max);
}

namespace {

// The mathematical remainder: steps below zero still land on multiples of the step.
int Floor(int value, int step)
{
    const int rest = value % step;
    return value - (rest < 0 ? rest + step : rest);
}

} // namespace

int ZoomInTarget(int zoom, int step)
{
    if (step <= 0)
        return zoom + 1;
    return Floor(zoom + step, step);
}

int ZoomOutTarget(int zoom, int step)
{
    if (step <= 0)
        return zoom - 1;
    return Floor(zoom - step, step);
}

std::pair<int, int> NextGridSort(int type, int order, int column)
{
    if (column == type) {
        if (column == 1)
            order = ((order + 1) % 3 + 3) % 3;
        else
            order = order == 0 ? 1 : 0;
    } else {
        order = column == 1 ? 2 : 0;
    }
    return {column, order};
}
