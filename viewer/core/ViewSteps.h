#pragma once
// The arithmetic of the zoom and grid-sort commands of the main frame, apart from any window.

#include <utility>

// The zoom limits with `min` above `max` swapped, and the value clamped into them.
int ClampZoom(int value, int min, int max);
// Zoom in from `zoom` by the step: the next multiple of the step above the zoom (one more with
// a step of 0 or less).
int ZoomInTarget(int zoom, int step);
// Zoom out: the next multiple of the step below zoom - step (one less with a step of 0 or less).
int ZoomOutTarget(int zoom, int step);

// The grid sort after choosing column `column` (0-7) with the current type and order: the same
// column again cycles the order (column 1 through 0, 1, 2; the others between 0 and 1); a new
// column starts with order 2 for column 1 and 0 for the others. Returns {type, order}.
std::pair<int, int> NextGridSort(int type, int order, int column);
