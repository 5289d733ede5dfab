// The stand-in board view: drawing and view messages.
#include "BoardWindow.h"

#include "HostFunctions.h"
#include "TDateTime.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr int kHeaderHeight = 22;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 160;
constexpr COLORREF kGrid = RGB(220, 220, 220);
constexpr COLORREF kWeekend = RGB(245, 245, 235);

// Selects a GDI object for the guard's lifetime and deletes it afterwards.
class CSelectedObject {
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_previous(SelectObject(dc, object)) {}
    ~CSelectedObject()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_object);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_previous;
};

void Fill(HDC dc, const RECT& rc, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

wqv2_data::CFilter* CurrentFilter()
{
    wqv2_data::CFilter* filter = nullptr;
    if (gHost.GetCurrentFilter && gHost.GetCurrentFilter(&filter) == 1)
        return filter;
    return nullptr;
}

std::wstring DayLabel(TDate day)
{
    unsigned y = 0, m = 0, d = 0;
    day.ToYMD(y, m, d);
    return std::to_wstring(d) + L"." + std::to_wstring(m) + L".";
}

} // namespace

bool CBoardWindow::Create(HWND parent)
{
    if (!RegisterWindowClass(kClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, nullptr))
        return false;
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    args.x = args.y = 0;
    args.cx = args.cy = 0;
    args.parent = parent;
    return fw::CWindow::Create(args);
}

void CBoardWindow::UnregisterClass()
{
    ::UnregisterClassW(kClassName, fw::CodeModule());
}

void CBoardWindow::Layout()
{
    RECT client{};
    if (Hwnd())
        GetClientRect(Hwnd(), &client);
    TDate first;
    TDate last;
    ProjectPeriod(gRoot, first, last);
    if (!m_first.IsReal())
        m_first = first;
    m_layout.Build(gRoot, CurrentFilter(), m_first, std::max<int>(client.right - kLabelWidth, 1));
    m_firstRow = std::clamp(m_firstRow, 0, std::max(0, static_cast<int>(m_layout.rows.size()) - 1));
}

void CBoardWindow::Refresh()
{
    // A new project brings its own period.
    m_first = 0u;
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CBoardWindow::Paint(HDC dc, const RECT& client)
{
    Layout();
    Fill(dc, client, RGB(255, 255, 255));
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Arial");
    CSelectedObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);

    const int chartLeft = kLabelWidth;
    // Day columns: weekend shading, grid lines, a label where there is room for it.
    const int labelWidth = 44;
    const int labelEvery = std::max(1, (labelWidth + m_layout.dayWidth - 1) / std::max(m_layout.dayWidth, 1));
    for (int i = 0; i < m_layout.days; ++i) {
        TDate day = m_layout.firstDay;
        day += i;
        const int x0 = chartLeft + m_layout.X(day, 0);
        const int x1 = chartLeft + m_layout.X(day, 1440);
        if (day.GetWeekday() >= 5) {
            RECT weekend{x0, kHeaderHeight, x1, client.bottom};
            Fill(dc, weekend, kWeekend);
        }
        RECT line{x0, 0, x0 + 1, client.bottom};
        Fill(dc, line, kGrid);
        if (i % labelEvery == 0) {
            const std::wstring label = DayLabel(day);
            RECT text{x0 + 2, 0, x0 + 2 + labelWidth, kHeaderHeight};
            SetTextColor(dc, RGB(0, 0, 0));
            DrawTextW(dc, label.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    RECT headerLine{0, kHeaderHeight - 1, client.right, kHeaderHeight};
    Fill(dc, headerLine, RGB(128, 128, 128));

    if (m_layout.rows.empty()) {
        RECT text{0, kHeaderHeight, client.right, client.bottom};
        SetTextColor(dc, RGB(128, 128, 128));
        DrawTextW(dc, gRoot ? L"No resources to show" : L"No project", -1, &text,
                  DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    int y = kHeaderHeight;
    for (size_t r = static_cast<size_t>(m_firstRow); r < m_layout.rows.size() && y < client.bottom; ++r) {
        const CBoardRow& row = m_layout.rows[r];
        RECT label{0, y, kLabelWidth, y + kRowHeight};
        Fill(dc, label, row.background);
        RECT labelText{6, y, kLabelWidth - 4, y + kRowHeight};
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, row.name.c_str(), -1, &labelText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        for (const CBoardBar& bar : row.bars) {
            RECT box{chartLeft + std::max(bar.left, -2), y + 4, chartLeft + bar.right, y + kRowHeight - 4};
            if (box.right <= chartLeft)
                continue;
            box.left = std::max<LONG>(box.left, chartLeft);
            // White means "no colour" on the board: such bars get a light blue.
            Fill(dc, box, bar.background == 0xFFFFFF ? RGB(190, 215, 255) : static_cast<COLORREF>(bar.background));
            FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            RECT text{box.left + 3, box.top, box.right - 2, box.bottom};
            SetTextColor(dc, static_cast<COLORREF>(bar.foreground));
            DrawTextW(dc, bar.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        }
        RECT rowLine{0, y + kRowHeight - 1, client.right, y + kRowHeight};
        Fill(dc, rowLine, kGrid);
        y += kRowHeight;
    }
    RECT labelEdge{kLabelWidth - 1, 0, kLabelWidth, client.bottom};
    Fill(dc, labelEdge, RGB(128, 128, 128));
}

LRESULT CBoardWindow::OnViewDate(WPARAM how, LPARAM dateTime)
{
    auto* value = reinterpret_cast<TDateTime*>(dateTime);
    if (!value)
        return 0;
    if (how == 0) {
        Layout();
        *value = TDateTime(m_first, 0, false);
        return 1;
    }
    if ((how == 1 || how == 2) && value->date.IsReal()) {
        m_first = value->date;
        InvalidateRect(Hwnd(), nullptr, TRUE);
        return 1;
    }
    return 0;
}

LRESULT CBoardWindow::OnViewPeriod(WPARAM start, LPARAM end)
{
    auto* from = reinterpret_cast<TDateTime*>(start);
    auto* to = reinterpret_cast<TDateTime*>(end);
    if (!from || !to)
        return 0;
    Layout();
    TDate last = m_layout.firstDay;
    last += m_layout.days;
    *from = TDateTime(m_layout.firstDay, 0, false);
    *to = TDateTime(last, 0, false);
    return 1;
}

LRESULT CBoardWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Hwnd(), &ps);
        RECT client{};
        GetClientRect(Hwnd(), &client);
        Paint(dc, client);
        EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_MAINVIEW_WHEEL:
        if (const auto* wheel = reinterpret_cast<const ViewWheelArgs*>(lp)) {
            m_firstRow = std::max(0, m_firstRow - wheel->Delta / WHEEL_DELTA * 3);
            InvalidateRect(Hwnd(), nullptr, TRUE);
        }
        return 1;
    case WM_MAINWND_VIEWDATE:
        return OnViewDate(wp, lp);
    case WM_MAINWND_VIEWPERIOD:
        return OnViewPeriod(wp, lp);
    case WM_MAINVIEW_CONTEXTMENU:
        if (gHost.Command) {
            ShowMenuArgs args{0, POINT{-1, -1}};
            gHost.Command(L"ShowMenu", &args);
        }
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(Hwnd());
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}
