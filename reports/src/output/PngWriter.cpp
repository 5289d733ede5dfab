// PNG files through libpng's write side.
#include "output/PngWriter.h"

#include <png.h>

#if defined(__SSE2__) || (defined(__i386__) && defined(__GNUC__))
#include <emmintrin.h>
#endif

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

// libpng's measure of a filtered byte: its distance from zero, bytes from 128 up counting as
// negative.
inline unsigned FilterCost(unsigned v)
{
    v &= 0xFF;
    return v < 128 ? v : 256 - v;
}

inline int PaethPredictor(int a, int b, int c)
{
    const int p = b - c;
    const int q = a - c;
    const int pa = p < 0 ? -p : p;
    const int pb = q < 0 ? -q : q;
    const int pc = p + q < 0 ? -(p + q) : p + q;
    return (pa <= pb && pa <= pc) ? a : (pb <= pc) ? b : c;
}

// The filter sums (none, sub, up, average, Paeth) of RGB bytes [from, n) of a row after the
// first pixel, added to `sums`.
void AddFilterSums(const unsigned char* x, const unsigned char* prev, size_t from, size_t n, uint64_t sums[5])
{
    for (size_t i = from; i < n; ++i) {
        const int v = x[i], a = x[i - 3], b = prev[i], c = prev[i - 3];
        sums[0] += FilterCost(static_cast<unsigned>(v));
        sums[1] += FilterCost(static_cast<unsigned>(v - a));
        sums[2] += FilterCost(static_cast<unsigned>(v - b));
        sums[3] += FilterCost(static_cast<unsigned>(v - (a + b) / 2));
        sums[4] += FilterCost(static_cast<unsigned>(v - PaethPredictor(a, b, c)));
    }
}

#if defined(__SSE2__)
#define QV_WIDE_SUMS 1
#define QV_SSE2
inline bool HasWideSums()
{
    return true;
}
#elif defined(__i386__) && defined(__GNUC__)
// A 32-bit build may not assume SSE2: the wide sums are compiled for it and run where the
// processor has it.
#define QV_WIDE_SUMS 1
#define QV_SSE2 __attribute__((target("sse2")))
bool HasWideSums()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("sse2") != 0;
    }();
    return has;
}
#endif

#if defined(QV_WIDE_SUMS)
QV_SSE2 inline __m128i Cost16(__m128i v)
{
    return _mm_min_epu8(v, _mm_sub_epi8(_mm_setzero_si128(), v));
}

// The Paeth predictions of eight bytes widened to 16 bits.
QV_SSE2 inline __m128i Paeth8(__m128i a, __m128i b, __m128i c)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i p = _mm_sub_epi16(b, c);
    const __m128i q = _mm_sub_epi16(a, c);
    const __m128i r = _mm_add_epi16(p, q);
    const __m128i pa = _mm_max_epi16(p, _mm_sub_epi16(zero, p));
    const __m128i pb = _mm_max_epi16(q, _mm_sub_epi16(zero, q));
    const __m128i pc = _mm_max_epi16(r, _mm_sub_epi16(zero, r));
    const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
    const __m128i useC = _mm_cmpgt_epi16(pb, pc);
    const __m128i bc = _mm_or_si128(_mm_and_si128(useC, c), _mm_andnot_si128(useC, b));
    return _mm_or_si128(_mm_and_si128(notA, bc), _mm_andnot_si128(notA, a));
}

// AddFilterSums sixteen bytes at a time; returns where it stopped.
QV_SSE2 size_t AddFilterSumsWide(const unsigned char* x, const unsigned char* prev, size_t from, size_t n, uint64_t sums[5])
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi8(1);
    __m128i none = zero, sub = zero, up = zero, avg = zero, paeth = zero;
    size_t i = from;
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i));
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i - 3));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + i));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + i - 3));
        none = _mm_add_epi64(none, _mm_sad_epu8(Cost16(v), zero));
        sub = _mm_add_epi64(sub, _mm_sad_epu8(Cost16(_mm_sub_epi8(v, a)), zero));
        up = _mm_add_epi64(up, _mm_sad_epu8(Cost16(_mm_sub_epi8(v, b)), zero));
        // The rounded-up average, one less where the sum is odd.
        const __m128i mean = _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        avg = _mm_add_epi64(avg, _mm_sad_epu8(Cost16(_mm_sub_epi8(v, mean)), zero));
        const __m128i low = Paeth8(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(c, zero));
        const __m128i high = Paeth8(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(c, zero));
        paeth = _mm_add_epi64(paeth, _mm_sad_epu8(Cost16(_mm_sub_epi8(v, _mm_packus_epi16(low, high))), zero));
    }
    const __m128i all[5] = {none, sub, up, avg, paeth};
    for (int k = 0; k < 5; ++k) {
        uint64_t lanes[2];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), all[k]);
        sums[k] += lanes[0] + lanes[1];
    }
    return i;
}
#endif

// The filter libpng's own adaptive choice takes for a row of `n` RGB bytes after the row
// `prev`: the smallest sum of costs, the earlier filter on a tie. Choosing it here lets libpng
// apply just that one, which writes the very same bytes.
int ChooseFilter(const unsigned char* x, const unsigned char* prev, size_t n)
{
    if (std::memcmp(x, prev, n) == 0) {
        // Up leaves only zeros; only an all-black row ties it, and there none comes first.
        for (size_t i = 0; i < n; ++i)
            if (x[i])
                return PNG_FILTER_UP;
        return PNG_FILTER_NONE;
    }
    uint64_t sums[5] = {};
    const size_t first = n < 3 ? n : 3;
    for (size_t i = 0; i < first; ++i) {
        const int v = x[i], b = prev[i];
        sums[0] += FilterCost(static_cast<unsigned>(v));
        sums[1] += FilterCost(static_cast<unsigned>(v));
        sums[2] += FilterCost(static_cast<unsigned>(v - b));
        sums[3] += FilterCost(static_cast<unsigned>(v - b / 2));
        sums[4] += FilterCost(static_cast<unsigned>(v - b));
    }
    size_t at = first;
#if defined(QV_WIDE_SUMS)
    if (HasWideSums())
        at = AddFilterSumsWide(x, prev, at, n, sums);
#endif
    AddFilterSums(x, prev, at, n, sums);
    static const int kFilters[5] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH};
    int best = 0;
    for (int k = 1; k < 5; ++k)
        if (sums[k] < sums[best])
            best = k;
    return kFilters[best];
}

// The file libpng writes to, and whether a write or flush of it failed.
struct PngOutput {
    FILE* file;
    // Set by the callbacks, read after libpng's longjmp: volatile keeps it out of registers.
    volatile bool fileFailed;
};

void WriteData(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, out->file) != length) {
        out->fileFailed = true;
        png_error(png, "write failed");
    }
}

void FlushData(png_structp png)
{
    auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (std::fflush(out->file) != 0) {
        out->fileFailed = true;
        png_error(png, "flush failed");
    }
}

enum class PngResult { kWritten, kFileFailed, kNoMemory };

// The libpng part; a libpng error comes back through its jump buffer, so nothing here may own
// anything with a destructor (longjmp would skip it): the caller owns the file. With valid
// arguments libpng fails only for its output or for memory (its own or zlib's): an error that
// is not the file's is memory.
PngResult WriteRows(PngOutput& out, int width, int height, const unsigned char* pixels, bool bottomUp)
{
    // The version the headers report: libpng refuses a structure made for another version.
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return PngResult::kNoMemory;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return PngResult::kNoMemory;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return out.fileFailed ? PngResult::kFileFailed : PngResult::kNoMemory;
    }
    png_set_write_fn(png, &out, &WriteData, &FlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The bitmap's rows go in as they are: libpng swaps blue and red in its own copy of each.
    png_set_bgr(png);
    const size_t stride = static_cast<size_t>(BitmapRowBytes(width));
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    // Bottom-up bitmaps keep the top row last in memory.
    const unsigned char* const top = bottomUp ? pixels + static_cast<size_t>(height - 1) * stride : pixels;
    const ptrdiff_t step = bottomUp ? -static_cast<ptrdiff_t>(stride) : static_cast<ptrdiff_t>(stride);
    for (int y = 0; y < height; ++y) {
        const unsigned char* const row = top + y * step;
        // libpng chooses the first row's filter itself (its zlib settings follow the filters
        // it starts with); later ones are chosen here as it would, much faster. The sums do
        // not change when blue and red swap places. A one pixel wide picture has fewer
        // filters, so libpng keeps that choice.
        if (y > 0 && width > 1)
            png_set_filter(png, PNG_FILTER_TYPE_BASE, ChooseFilter(row, row - step, rowBytes));
        png_write_row(png, row);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return PngResult::kWritten;
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
    PngOutput out{file, false};
    const PngResult result =
        WriteRows(out, width, height, static_cast<const unsigned char*>(pixels), header.biHeight > 0);
    const bool closed = std::fclose(file) == 0;
    // A picture cut short (no memory for libpng, a full disk) is not left to look whole.
    if (result != PngResult::kWritten || !closed) {
        DeleteFileW(path.c_str());
        if (result == PngResult::kNoMemory)
            throw std::bad_alloc();
        return false;
    }
    return true;
}
