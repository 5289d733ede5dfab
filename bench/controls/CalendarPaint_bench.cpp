// Prints how long the month calendar takes to lay out and to paint twelve month blocks (four
// across, three down) with week numbers and a day callback into a memory device context, and
// how long a repaint of one block (a selection change) takes.
#include "calendar/CalendarLayout.h"
#include "calendar/CalendarPainter.h"

#include <chrono>
#include <cstdio>

namespace {

double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

class CQuiet : public rkcc::ICalendarEvents {
public:
    void Notify(WORD) override {}
    void RepaintAll() override {}
    void RepaintDays(uint32_t, uint32_t) override {}
};

void __cdecl Weekends(CalendarDayInfo* info, void*)
{
    if (!info->weekNumber && info->day % 7 >= 5)
        info->backColor = RGB(230, 230, 250);
}

} // namespace

int main()
{
    constexpr int kRounds = 500;
    CQuiet quiet;
    rkcc::CalendarTexts texts = rkcc::LoadCalendarTexts();
    texts.firstDayOfWeek = 0;
    rkcc::CCalendarModel model(quiet, texts);
    model.options.across = 4;
    model.options.down = 3;
    model.options.dayCallback = {&Weekends, nullptr};

    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    rkcc::CalendarFonts fonts;
    rkcc::CalendarMetrics metrics{6, 13, 28};

    auto start = std::chrono::steady_clock::now();
    rkcc::CalendarGeometry g;
    for (int i = 0; i < kRounds; ++i) {
        fonts.Make(lf, 133);
        rkcc::LayOutCalendar(model, metrics, {0, 0, 1200, 900}, g);
    }
    std::printf("layout with fonts: %.3f ms per layout\n", Ms(start) / kRounds);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, g.ideal.cx, g.ideal.cy);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, g.ideal.cx, g.ideal.cy};
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        rkcc::CCalendarPainter painter(model, g, fonts, true, true);
        painter.Paint(dc, client, client);
    }
    std::printf("paint of 12 blocks: %.3f ms per paint\n", Ms(start) / kRounds);

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        rkcc::CCalendarPainter painter(model, g, fonts, true, true);
        painter.Paint(dc, client, g.blocks[5].rect);
    }
    std::printf("paint of one block: %.3f ms per paint\n", Ms(start) / kRounds);

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return 0;
}
