// PNG files through libpng's write side.
#include "output/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void WriteData(png_structp png, png_bytep data, png_size_t length)
{
    auto* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, file) != length)
        png_error(png, "write failed");
}

void FlushData(png_structp png)
{
    auto* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (std::fflush(file) != 0)
        png_error(png, "flush failed");
}

// The libpng part; a libpng error comes back through its jump buffer, so nothing here may own
// anything with a destructor (longjmp would skip it): the caller owns the file and the rows.
bool WriteRows(FILE* file, int width, int height, const unsigned char* pixels, bool bottomUp, unsigned char* row)
{
    // The version the headers report: libpng refuses a structure made for another version.
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, file, &WriteData, &FlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int stride = BitmapRowBytes(width);
    for (int y = 0; y < height; ++y) {
        // Bottom-up bitmaps keep the top row last in memory.
        const int memoryRow = bottomUp ? height - 1 - y : y;
        std::memcpy(row, pixels + static_cast<size_t>(memoryRow) * static_cast<size_t>(stride), static_cast<size_t>(stride));
        for (int x = 0; x < width; ++x) {
            unsigned char* px = row + 3 * x;
            const unsigned char blue = px[0];
            px[0] = px[2];
            px[2] = blue;
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

int BitmapRowBytes(int width)
{
    return ((24 * width + 31) / 32) * 4;
}

HBITMAP CreateImageBitmap(HDC dc, int width, int height, BITMAPINFOHEADER& header, void*& pixels)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        return nullptr;
    }
    header = info.bmiHeader;
    pixels = bits;
    return bitmap;
}

bool WritePngFile(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels)
{
    const int width = header.biWidth;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (!pixels || header.biBitCount != 24 || width <= 0 || height <= 0)
        return false;
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    std::vector<unsigned char> row(static_cast<size_t>(BitmapRowBytes(width)) + 10);
    const bool written =
        WriteRows(file, width, height, static_cast<const unsigned char*>(pixels), header.biHeight > 0, row.data());
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
