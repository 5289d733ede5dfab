// Lays a 2,000-row table with wrapped notes out over A4 pages and draws every page into a memory
// DC at 300 dpi; prints the time per page. Run from the program folder (scripts/bench).
#include "RKPrintEngine2.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 2000;
constexpr int kDpi = 300;
constexpr int kPageWidthPx = 2480; // A4 at 300 dpi
constexpr int kPageHeightPx = 3508;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Deterministic notes of 0 to 40 words.
std::wstring Note(unsigned& seed)
{
    static const wchar_t* const kWords[] = {L"check", L"delivery", L"of", L"the", L"parts", L"before",
        L"assembly", L"starts", L"customer", L"asked", L"for", L"a", L"second", L"review", L"meeting",
        L"room", L"booked", L"machine", L"maintenance", L"overdue"};
    seed = seed * 1103515245u + 12345u;
    const unsigned count = (seed >> 16) % 41;
    std::wstring note;
    for (unsigned i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        if (!note.empty())
            note += L' ';
        note += kWords[(seed >> 16) % 20];
    }
    return note;
}

void BuildTable(CRKPrintEngine2* pe)
{
    pe->SetFont(90, 1, 3, 0, 0, 0);
    pe->BeginTable(0, 0, 1900, 2770, 0);
    const int widths[] = {150, 450, 300, 300, 700};
    pe->AddTableRow(0, 5, widths);
    const wchar_t* const heads[] = {L"No.", L"Task", L"Start", L"End", L"Notes"};
    for (int c = 0; c < 5; ++c)
        pe->SetTextCell(0, 0, c, heads[c]);
    pe->SetFont(90, 0, 3, 0, 0, 0);
    unsigned seed = 7;
    for (int r = 0; r < kRows; ++r) {
        const int row = pe->AddTableRow(1, 5, widths);
        pe->SetTextCell(1, row, 0, std::to_wstring(r + 1).c_str());
        pe->SetTextCell(1, row, 1, (L"Task number " + std::to_wstring(r + 1) + L" of the plan").c_str());
        pe->SetTextCell(1, row, 2, L"12.03.2024 08:00");
        pe->SetTextCell(1, row, 3, L"14.03.2024 17:30");
        pe->SetTextCell(1, row, 4, Note(seed).c_str());
        pe->SetAlignmentCell(1, row, 0, 5);
    }
    pe->SetPen(2, RGB(128, 128, 128));
    pe->SetBorderAllCells(4);
    pe->SetPen(6, 0);
    pe->SetTableBorder();
    pe->SetRowShading(RGB(235, 235, 235), 0, -1, 0, -1);
}

HDC gReplayTarget = nullptr;

int CALLBACK ReplayRecord(HDC, HANDLETABLE* table, const ENHMETARECORD* record, int count, LPARAM)
{
    // The recording's own mapping records are skipped: the target is already mapped.
    switch (record->iType) {
    case EMR_HEADER:
    case EMR_EOF:
    case EMR_SETMAPMODE:
    case EMR_SETWINDOWEXTEX:
    case EMR_SETVIEWPORTEXTEX:
        return 1;
    default:
        PlayEnhMetaFileRecord(gReplayTarget, table, record, count);
        return 1;
    }
}

// The same GDI calls as DrawPage makes, replayed from a recording: what drawing costs the
// system's GDI alone, without any of the engine's work.
double ReplayPages(CRKPrintEngine2* pe, HDC target, int pages)
{
    std::vector<HENHMETAFILE> recordings;
    for (int page = 1; page <= pages; ++page) {
        HDC emf = CreateEnhMetaFileW(target, nullptr, nullptr, nullptr);
        pe->DrawPage(emf, target, page);
        recordings.push_back(CloseEnhMetaFile(emf));
    }
    gReplayTarget = target;
    const double start = Now();
    for (HENHMETAFILE recording : recordings)
        EnumEnhMetaFile(nullptr, recording, ReplayRecord, nullptr, nullptr);
    const double elapsed = Now() - start;
    for (HENHMETAFILE recording : recordings)
        DeleteEnhMetaFile(recording);
    return elapsed;
}

} // namespace

int main()
{
    HMODULE module = LoadLibraryW(L"RKPrintEngine2.dll");
    if (!module) {
        std::printf("RKPrintEngine2.dll not found\n");
        return 1;
    }
    auto get = reinterpret_cast<DllGetPrintEngineProc>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetPrintEngine")));
    auto release = reinterpret_cast<DllFreePrintEngineProc>(reinterpret_cast<void*>(GetProcAddress(module, "DllFreePrintEngine")));
    CRKPrintEngine2* pe = get ? get() : nullptr;
    if (!pe || !release)
        return 1;

    // Layout measures on a screen-compatible DC standing in for the printer's attribute DC.
    HDC attrib = CreateCompatibleDC(nullptr);
    const double t0 = Now();
    pe->BeginDocument(attrib, attrib);
    BuildTable(pe);
    const double t1 = Now();
    pe->EndTable();
    pe->EndDocument();
    const double t2 = Now();
    const int pages = pe->GetPageCount();

    // The output: an A4 page at 300 dpi, mapped like MM_LOMETRIC on a 300-dpi printer.
    HDC target = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kPageWidthPx;
    info.bmiHeader.biHeight = -kPageHeightPx;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32; // as a screen-compatible bitmap
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(target, bitmap);
    SetMapMode(target, MM_ANISOTROPIC);
    SetWindowExtEx(target, 254, 254, nullptr);
    SetViewportExtEx(target, kDpi, -kDpi, nullptr);

    std::vector<double> drawTimes;
    for (int page = 1; page <= pages; ++page) {
        SaveDC(target);
        SetMapMode(target, MM_TEXT);
        PatBlt(target, 0, 0, kPageWidthPx, kPageHeightPx, WHITENESS);
        RestoreDC(target, -1);
        const double s = Now();
        pe->DrawPage(target, target, page);
        drawTimes.push_back(Now() - s);
    }
    double drawTotal = 0;
    for (double t : drawTimes)
        drawTotal += t;
    std::vector<double> sorted = drawTimes;
    std::sort(sorted.begin(), sorted.end());

    std::printf("rows %d, pages %d\n", kRows, pages);
    std::printf("building the table: %.1f ms\n", t1 - t0);
    std::printf("layout (EndTable): %.1f ms, %.3f ms a page\n", t2 - t1, (t2 - t1) / pages);
    std::printf("drawing at %d dpi: %.3f ms a page (median %.3f, max %.3f)\n", kDpi, drawTotal / pages,
        sorted[sorted.size() / 2], sorted.back());
    std::printf("layout and drawing: %.3f ms a page\n", (t2 - t1 + drawTotal) / pages);
    std::printf("the same GDI calls replayed without the engine: %.3f ms a page\n",
        ReplayPages(pe, target, pages) / pages);

    SelectObject(target, old);
    DeleteObject(bitmap);
    DeleteDC(target);
    release();
    DeleteDC(attrib);
    FreeLibrary(module);
    return 0;
}
