#pragma once
// Pictures of HTML reports: the off-screen surface (a 24-bit bottom-up DIB section) and its
// writing as an 8-bit RGB PNG file.

#include <windows.h>

#include <string>

// A 24-bit DIB section of `width` by `height` pixels, rows bottom-up and padded to four bytes;
// `header` and `pixels` describe it. Null (and nothing set) when it cannot be made.
HBITMAP CreateImageBitmap(HDC dc, int width, int height, BITMAPINFOHEADER& header, void*& pixels);

// Row length in bytes of a 24-bit bitmap of `width` pixels.
int BitmapRowBytes(int width);

// Writes the bitmap as a PNG file (top row first, blue and red swapped into RGB); true when the
// whole file was written. Throws std::bad_alloc when libpng runs out of memory (the unfinished
// file is deleted), so that the failure is told as memory and not as the file's.
bool WritePngFile(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels);
