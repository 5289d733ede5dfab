#pragma once
// Paper size, printable offsets and resolution of a device in tenths of a millimetre.

#include <windows.h>

#include <functional>

namespace rkpe {

// Reads one device capability (GetDeviceCaps by default; tests give their own device).
using DeviceCapsFn = std::function<int(HDC dc, int index)>;

struct PaperGeometry {
    int dpiX = 0, dpiY = 0;
    int paperWidth = 0, paperHeight = 0;
    int offsetX = 0, offsetY = 0;
};

PaperGeometry MeasurePaper(HDC attrib, const DeviceCapsFn& caps);

} // namespace rkpe
