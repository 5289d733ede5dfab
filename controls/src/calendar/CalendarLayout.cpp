// Month calendar geometry, hit test and cell contents.
#include "calendar/CalendarLayout.h"

#include "WideCopy.h"

#include <algorithm>
#include <string>

namespace rkcc {

namespace {

// int(percent / 100 x value), in integers: the x87 unit of 32-bit builds keeps excess precision,
// so the same product in doubles could truncate to one less on one build than on another.
int Percent(long long value, long long percent)
{
    return static_cast<int>(value * percent / 100);
}

bool Contains(const RECT& r, POINT pt)
{
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}

int WeekColumns(const CCalendarModel& model)
{
    return model.HasWeekColumn() ? 1 : 0;
}

uint32_t LastDayOfBlock(const CCalendarModel& model, int block)
{
    return model.BlockFirstDay(block + 1) - 1;
}

std::wstring Cut(const std::wstring& text, int n)
{
    return n > 0 && static_cast<size_t>(n) < text.size() ? text.substr(0, static_cast<size_t>(n)) : text;
}

} // namespace

CalendarGeometry MeasureCalendar(const CCalendarModel& model, const CalendarMetrics& metrics)
{
    const CalendarOptions& o = model.options;
    CalendarGeometry g;
    g.cellWidth = std::max(1, Percent(metrics.averageCharWidth, o.size[kCalSizeCellWidth]));
    g.cellHeight = std::max(1, Percent(metrics.textHeight, o.size[kCalSizeCellHeight]));
    const int wk = WeekColumns(model);
    g.blockWidth = (7 + wk) * g.cellWidth;
    const int rows = 8 + (o.yearView ? 1 : 0) + (o.AnyButton() ? 1 : 0);
    g.blockHeight = rows * g.cellHeight + (o.yearView ? Percent(g.cellHeight, o.size[kCalSizeYearBand]) : 0) +
                    (1 + (o.yearView ? 1 : 0) + (o.AnyButton() ? 1 : 0)) * kCalMarginY;
    g.ideal.cx = o.across * g.blockWidth + 2 * kCalMarginX +
                 Percent(static_cast<long long>(o.across - 1) * g.cellWidth, o.size[kCalSizeGapX]);
    g.ideal.cy = o.down * g.blockHeight + 2 * kCalMarginY +
                 Percent(static_cast<long long>(o.down - 1) * g.cellHeight, o.size[kCalSizeGapY]);
    return g;
}

void LayOutCalendar(const CCalendarModel& model, const CalendarMetrics& metrics, const RECT& client,
                    CalendarGeometry& g)
{
    const CalendarOptions& o = model.options;
    g = MeasureCalendar(model, metrics);
    const RECT inner{client.left + kCalMarginX, client.top + kCalMarginY, client.right - kCalMarginX,
                     client.bottom - kCalMarginY};
    const int w = g.ideal.cx;
    const int h = g.ideal.cy;
    int left = inner.left;
    if (o.halign == 1)
        left = inner.left + (inner.right - inner.left - w) / 2;
    else if (o.halign == 2)
        left = inner.right - w;
    int top = inner.top;
    if (o.valign == 1)
        top = inner.top + (inner.bottom - inner.top - h) / 2;
    else if (o.valign == 2)
        top = inner.bottom - h;
    g.calendar = {left, top, left + w, top + h};

    const int cw = g.cellWidth;
    const int ch = g.cellHeight;
    const int band = Percent(ch, o.size[kCalSizeYearBand]);
    const int gapX = Percent(cw, o.size[kCalSizeGapX]);
    const int gapY = Percent(ch, o.size[kCalSizeGapY]);
    g.blocks.clear();
    g.leftArrow = g.rightArrow = RECT{};
    for (int i = 0; i < o.down; ++i) {
        for (int j = 0; j < o.across; ++j) {
            CalendarBlock b;
            b.index = i * o.across + j;
            const int bl = left + j * (g.blockWidth + gapX);
            const int bt = top + i * (g.blockHeight + gapY);
            b.rect = {bl, bt, bl + g.blockWidth, bt + g.blockHeight};
            int y = bt;
            if (o.yearView) {
                b.yearBand = {bl, y, b.rect.right, y + band};
                b.yearTitle = b.yearBand;
                y += band + kCalMarginY;
                b.strip = {bl, y, b.rect.right, y + 2 * ch};
                y += 2 * ch;
            } else {
                b.caption = {bl, y, b.rect.right, y + ch};
                b.captionText = b.caption;
                y += ch;
            }
            y += kCalMarginY;
            b.header = {bl, y, b.rect.right, y + ch};
            y += ch;
            b.grid = {bl, y, b.rect.right, y + 6 * ch};
            y += 6 * ch;
            if (o.AnyButton()) {
                y += kCalMarginY;
                const int bw = (g.blockWidth - 6) / 3;
                int x = b.rect.right;
                auto place = [&](bool shown, RECT& r) {
                    if (!shown)
                        return;
                    r = {x - bw, y, x, y + ch};
                    x -= bw + 3;
                };
                place(o.buttonToday, b.buttonToday);
                place(o.buttonYear, b.buttonYear);
                place(o.buttonMonth, b.buttonMonth);
            }
            if (o.arrows) {
                if (o.yearView && b.index == 0) {
                    int aw = metrics.yearTextWidth * 3 / 2;
                    const int k = band * 8 / 10;
                    if (g.blockWidth - 2 * k < aw)
                        aw -= 2 * k;
                    const int x0 = bl + (g.blockWidth - aw) / 2;
                    const int at = b.yearBand.top + static_cast<int>((band - k) / 2);
                    b.yearTitle = {x0, b.yearBand.top, x0 + aw, b.yearBand.bottom};
                    g.leftArrow = {x0 - k, at, x0, at + k};
                    g.rightArrow = {x0 + aw, at, x0 + aw + k, at + k};
                } else if (!o.yearView && i == 0) {
                    const int k = ch * 8 / 10;
                    const int at = b.caption.top + static_cast<int>((ch - k) / 2);
                    if (j == 0)
                        g.leftArrow = {bl, at, bl + k, at + k};
                    if (j == o.across - 1)
                        g.rightArrow = {b.rect.right - k, at, b.rect.right, at + k};
                }
            }
            g.blocks.push_back(b);
        }
    }
}

LONG FitFontHeight(LONG height, const std::function<bool(LONG)>& fits)
{
    while (!fits(height)) {
        const LONG next = height * 95 / 100; // int(height x 0.95), exact in integers
        if (next > -4 && next < 4)
            break;
        height = next;
    }
    return height;
}

uint32_t GridStart(uint32_t blockFirstDay, int firstDayOfWeek)
{
    return WeekStart(blockFirstDay, firstDayOfWeek);
}

CalendarHit HitTest(const CCalendarModel& model, const CalendarGeometry& g, POINT pt)
{
    const CalendarOptions& o = model.options;
    CalendarHit hit;
    const CalendarBlock* block = nullptr;
    for (const CalendarBlock& b : g.blocks) {
        if (Contains(b.rect, pt)) {
            block = &b;
            break;
        }
    }
    if (!block)
        return hit;
    hit.block = block->index;
    const uint32_t first = model.BlockFirstDay(block->index);
    const uint32_t last = LastDayOfBlock(model, block->index);
    const int blockCount = model.MonthCount();
    const int fdw = model.Texts().firstDayOfWeek;
    const int wk = WeekColumns(model);
    if (o.yearView && Contains(block->yearTitle, pt)) {
        hit.kind = kCalHitYearTitle;
        hit.day = first;
        return hit;
    }
    if (o.yearView && Contains(block->strip, pt)) {
        const int width = block->strip.right - block->strip.left;
        const int column = static_cast<int>((pt.x - block->strip.left) / std::max(1.0, width / 6.0));
        const int height = block->strip.bottom - block->strip.top;
        const int row = (pt.y - block->strip.top) > height / 2.0 ? 1 : 0;
        const int month = std::min(11, row * 6 + column);
        hit.kind = kCalHitMonthStrip;
        hit.day = TDate::FromYMD(static_cast<unsigned>(month + 1), TDate(first).GetYear(), 1);
        return hit;
    }
    if (!o.yearView && Contains(block->caption, pt)) {
        hit.kind = kCalHitCaption;
        hit.day = first;
        return hit;
    }
    const bool inHeader = Contains(block->header, pt);
    if (inHeader || Contains(block->grid, pt)) {
        const int column = (pt.x - block->rect.left) / g.cellWidth - wk;
        if (inHeader) {
            hit.kind = kCalHitWeekday;
            hit.detail = column < 0 ? -1 : (column + fdw) % 7;
            hit.day = first;
            return hit;
        }
        const int row = (pt.y - block->grid.top) / g.cellHeight;
        const uint32_t start = GridStart(first, fdw);
        const bool lastBlock = block->index == blockCount - 1;
        if (column < 0) {
            const uint32_t day = start + 7 * static_cast<uint32_t>(row);
            if (day <= last || (o.otherMonthDays && lastBlock)) {
                hit.kind = kCalHitWeekNumber;
                hit.day = day;
            }
            return hit;
        }
        const uint32_t day = start + 7 * static_cast<uint32_t>(row) + static_cast<uint32_t>(column);
        const bool inMonth = day >= first && day <= last;
        const bool after = day > last && o.otherMonthDays && lastBlock;
        const bool before = day < first && o.otherMonthDays && block->index == 0;
        if (inMonth || after || before) {
            hit.kind = kCalHitDay;
            hit.day = day;
        }
        return hit;
    }
    if (o.AnyButton()) {
        if (o.buttonToday && Contains(block->buttonToday, pt)) {
            hit.kind = kCalHitButton;
            hit.detail = 0;
            hit.day = TDate();
        } else if (o.buttonMonth && Contains(block->buttonMonth, pt)) {
            hit.kind = kCalHitButton;
            hit.detail = 1;
            hit.day = first;
        } else if (o.buttonYear && Contains(block->buttonYear, pt)) {
            hit.kind = kCalHitButton;
            hit.detail = 2;
            hit.day = first;
        }
    }
    return hit;
}

bool FillDayCell(const CCalendarModel& model, int block, int row, int column, CalendarDayInfo& info)
{
    const CalendarOptions& o = model.options;
    const auto& c = o.colors;
    info = CalendarDayInfo{};
    info.hatchStyle = -1;
    info.textColor = c[kCalColorDayText];
    info.backColor = c[kCalColorDayBack];
    const uint32_t first = model.BlockFirstDay(block);
    const uint32_t last = LastDayOfBlock(model, block);
    const uint32_t start = GridStart(first, model.Texts().firstDayOfWeek);
    const bool lastBlock = block == model.MonthCount() - 1;
    if (column < 0) {
        const uint32_t day = start + 7 * static_cast<uint32_t>(row);
        if (day > last && !(o.otherMonthDays && lastBlock))
            return false;
        info.day = day;
        info.weekNumber = 1;
        info.bold = o.bold[kCalBoldWeek];
        info.textColor = c[kCalColorWeekText];
        info.backColor = c[kCalColorWeekBack];
        wstr::CopyTo(info.text, std::to_wstring(IsoWeekOfMonday(day)));
        return true;
    }
    const uint32_t day = start + 7 * static_cast<uint32_t>(row) + static_cast<uint32_t>(column);
    info.day = day;
    wstr::CopyTo(info.text, std::to_wstring(TDate(day).GetDay()));
    if (day < first || day > last) {
        const bool shown = o.otherMonthDays && ((day < first && block == 0) || (day > last && lastBlock));
        if (!shown)
            return false;
        info.otherMonth = 1;
        info.bold = o.bold[kCalBoldOther];
        info.textColor = c[kCalColorOtherText];
        info.backColor = c[kCalColorOtherBack];
        return true;
    }
    const uint32_t today = TDate();
    const bool selected = o.selectable && day == model.Selected();
    if (selected) {
        info.selected = 1;
        info.bold = o.bold[kCalBoldSelected];
        info.textColor = c[kCalColorSelectedText];
        info.backColor = (o.selectedMark & 2) ? c[kCalColorSelectedBack] : c[kCalColorDayBack];
    } else if (day == today) {
        info.bold = o.bold[kCalBoldToday];
        info.textColor = c[kCalColorTodayText];
        info.backColor = (o.todayMark & 2) ? c[kCalColorTodayBack] : c[kCalColorDayBack];
    } else {
        info.bold = o.bold[kCalBoldDay];
    }
    if (day == today) {
        info.frame = (o.todayMark & 1) ? 1 : 0;
        info.frameColor = c[kCalColorTodayFrame];
    } else if (selected) {
        info.frame = (o.selectedMark & 1) ? 1 : 0;
        info.frameColor = c[kCalColorSelectedFrame];
    }
    return true;
}

void FillHeaderCell(const CCalendarModel& model, int column, CalendarHeaderInfo& info)
{
    const CalendarOptions& o = model.options;
    const auto& c = o.colors;
    info = CalendarHeaderInfo{};
    info.hatchStyle = -1;
    if (column < 0) {
        info.weekday = -1;
        info.backColor = c[kCalColorWeekHeaderBack];
        info.textColor = c[kCalColorWeekHeaderText];
        if (o.weekHeaderText) {
            info.bold = o.bold[kCalBoldWeekHeader];
            wstr::CopyTo(info.text, model.Texts().week);
        }
        return;
    }
    const int weekday = (column + model.Texts().firstDayOfWeek) % 7;
    info.weekday = weekday;
    info.bold = o.bold[kCalBoldHeader];
    info.textColor = c[kCalColorHeaderText];
    info.backColor = c[kCalColorHeaderBack];
    wstr::CopyTo(info.text, Cut(model.Texts().dayNames[static_cast<size_t>(weekday)], o.weekdayLength));
}

} // namespace rkcc
