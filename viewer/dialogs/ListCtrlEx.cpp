// The owner-drawn list: full-row highlight, row drawing, column sizing.
#include "ListCtrlEx.h"

#include "fw/Gdi.h"

#include <algorithm>

namespace {

UINT AlignmentOf(int format)
{
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

void DrawCellText(HDC dc, const std::wstring& text, RECT rect, int format)
{
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | AlignmentOf(format));
}

int BlankWidth(HDC dc)
{
    SIZE size{};
    return GetTextExtentPoint32W(dc, L" ", 1, &size) ? size.cx : 0;
}

// The width the header needs to draw a column's heading whole: the text in the header's font,
// the header's margin either side of it and the item's edge; 0 for a column without a heading.
int HeadingWidth(HWND header, int column)
{
    wchar_t text[256] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    if (!Header_GetItem(header, column, &item) || !text[0])
        return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0));
    RECT extent{};
    HDC dc = GetDC(header);
    {
        fw::CSelectObject selected(dc, font ? font : GetStockObject(SYSTEM_FONT));
        DrawTextW(dc, text, -1, &extent, DT_SINGLELINE | DT_CALCRECT);
    }
    ReleaseDC(header, dc);
    return extent.right - extent.left + 2 * Header_GetBitmapMargin(header) + GetSystemMetrics(SM_CXEDGE);
}

} // namespace

CListCtrlEx::CListCtrlEx()
    : m_textColor(GetSysColor(COLOR_WINDOWTEXT)), m_textBkColor(GetSysColor(COLOR_WINDOW)),
      m_bkColor(GetSysColor(COLOR_WINDOW))
{
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
}

CListCtrlEx::~CListCtrlEx()
{
    HWND hwnd = Hwnd();
    Detach();
    if (m_created && hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
}

DWORD CListCtrlEx::PreCreateStyle(DWORD style)
{
    return (style & ~static_cast<DWORD>(LVS_SMALLICON)) | LVS_REPORT | LVS_OWNERDRAWFIXED;
}

bool CListCtrlEx::Create(const CreateArgs& args)
{
    if (Hwnd())
        return false;
    fullRowSelection = true;
    HWND hwnd = CreateWindowExW(args.exStyle, WC_LISTVIEWW, L"", PreCreateStyle(args.style), args.rect.left,
                                args.rect.top, args.rect.right - args.rect.left, args.rect.bottom - args.rect.top,
                                args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return false;
    if (!Attach(hwnd)) {
        DestroyWindow(hwnd);
        return false;
    }
    m_created = true;
    return true;
}

void CListCtrlEx::InsertColumn(int index, const std::wstring& heading, int format, int width)
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = index;
    SendMessageW(Hwnd(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int CListCtrlEx::AppendRow(const std::vector<std::wstring>& cells, LPARAM data)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageW(Hwnd(), LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<wchar_t*>(L"");
    item.lParam = data;
    const int row = static_cast<int>(SendMessageW(Hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t i = 0; row >= 0 && i < cells.size(); ++i) {
        LVITEMW cell{};
        cell.iSubItem = static_cast<int>(i) + 1;
        cell.pszText = const_cast<wchar_t*>(cells[i].c_str());
        SendMessageW(Hwnd(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

void CListCtrlEx::SelectFirstRow()
{
    if (SendMessageW(Hwnd(), LVM_GETITEMCOUNT, 0, 0) <= 0)
        return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Hwnd(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

bool CListCtrlEx::IsReportView() const
{
    return (GetWindowLongW(Hwnd(), GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

std::wstring CListCtrlEx::ItemText(int row, int column) const
{
    // The list tells no text length: grow the buffer until the text leaves room to spare.
    for (size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = SendMessageW(Hwnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(&item));
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) + 1 < size || size >= 65536) {
            text.resize(std::min(static_cast<size_t>(length), size));
            return text;
        }
    }
}

void CListCtrlEx::DrawItem(const DRAWITEMSTRUCT& draw)
{
    HWND hwnd = Hwnd();
    HDC dc = draw.hDC;
    if (!hwnd || !dc)
        return;
    const int row = static_cast<int>(draw.itemID);
    fw::CSavedDC saved(dc);

    LVITEMW item{};
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.stateMask = static_cast<UINT>(-1);
    ListView_GetItem(hwnd, &item);
    const bool hasFocus = GetFocus() == hwnd;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    const bool highlighted = (item.state & LVIS_DROPHILITED) ||
                             ((item.state & LVIS_SELECTED) && (hasFocus || (style & LVS_SHOWSELALWAYS)));

    RECT bounds{}, label{}, icon{};
    ListView_GetItemRect(hwnd, row, &bounds, LVIR_BOUNDS);
    ListView_GetItemRect(hwnd, row, &label, LVIR_LABEL);
    ListView_GetItemRect(hwnd, row, &icon, LVIR_ICON);
    const int inset = 2 * BlankWidth(dc);

    RECT highlight = bounds;
    highlight.left = label.left;
    RECT client{};
    GetClientRect(hwnd, &client);
    if (clientWidthSelection && highlight.right < client.right)
        highlight.right = client.right;

    if (highlighted) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
        // CLR_NONE (a transparent text background) is no colour to fill with.
        const COLORREF fill = m_textBkColor != CLR_NONE ? m_textBkColor
                              : m_bkColor != CLR_NONE   ? m_bkColor
                                                        : GetSysColor(COLOR_WINDOW);
        fw::CGdiObject<HBRUSH> background(CreateSolidBrush(fill));
        FillRect(dc, &highlight, background.Get());
    }

    RECT column = bounds;
    column.right = column.left + ListView_GetColumnWidth(hwnd, 0);

    if (const UINT stateImage = (item.state & LVIS_STATEIMAGEMASK) >> 12) {
        if (HIMAGELIST states = ListView_GetImageList(hwnd, LVSIL_STATE))
            ImageList_Draw(states, static_cast<int>(stateImage) - 1, dc, column.left, column.top, ILD_TRANSPARENT);
    }
    if (HIMAGELIST images = ListView_GetImageList(hwnd, LVSIL_SMALL)) {
        const UINT flags = ILD_TRANSPARENT | (item.state & LVIS_OVERLAYMASK) | (highlighted ? ILD_BLEND50 : 0);
        ImageList_Draw(images, item.iImage, dc, icon.left, icon.top, flags);
    }

    LVCOLUMNW format{};
    format.mask = LVCF_FMT;
    ListView_GetColumn(hwnd, 0, &format);
    RECT text = label;
    text.right -= inset;
    text.left += inset / 2 - 1;
    DrawCellText(dc, ItemText(row, 0), text, format.fmt);

    for (int index = 1;; ++index) {
        LVCOLUMNW next{};
        next.mask = LVCF_FMT | LVCF_WIDTH;
        if (!ListView_GetColumn(hwnd, index, &next))
            break;
        column.left = column.right;
        column.right = column.left + next.cx;
        RECT cell = column;
        cell.left += inset;
        cell.right -= inset;
        DrawCellText(dc, ItemText(row, index), cell, next.fmt);
    }

    if ((item.state & LVIS_FOCUSED) && hasFocus)
        DrawFocusRect(dc, &highlight);
}

void CListCtrlEx::ExtendPaintToTheRightEdge()
{
    if (!clientWidthSelection || !fullRowSelection || !IsReportView())
        return;
    RECT row{};
    RECT client{};
    if (!ListView_GetItemRect(Hwnd(), 0, &row, LVIR_BOUNDS))
        return;
    GetClientRect(Hwnd(), &client);
    if (row.right >= client.right)
        return;
    RECT clip{};
    {
        // The paint cycle only tells what is to be painted; the list paints below.
        fw::CPaintScope paint(Hwnd());
        GetClipBox(paint.Dc(), &clip);
    }
    // The highlight past the last column must be painted along with the rows it belongs to.
    clip.left = std::min(clip.left, row.right - 1);
    clip.right = client.right;
    InvalidateRect(Hwnd(), &clip, FALSE);
}

void CListCtrlEx::InvalidateRow(int row)
{
    RECT bounds{};
    RECT label{};
    if (!ListView_GetItemRect(Hwnd(), row, &bounds, LVIR_BOUNDS) ||
        !ListView_GetItemRect(Hwnd(), row, &label, LVIR_LABEL))
        return;
    bounds.left = label.left;
    InvalidateRect(Hwnd(), &bounds, FALSE);
}

void CListCtrlEx::RepaintSelectedItems()
{
    HWND hwnd = Hwnd();
    if (!hwnd)
        return;
    const int focused = ListView_GetNextItem(hwnd, -1, LVNI_FOCUSED);
    if (focused >= 0)
        InvalidateRow(focused);
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & LVS_SHOWSELALWAYS)) {
        for (int row = ListView_GetNextItem(hwnd, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(hwnd, row, LVNI_SELECTED))
            InvalidateRow(row);
    }
    UpdateWindow(hwnd);
}

void CListCtrlEx::AutoSizeColumns()
{
    HWND hwnd = Hwnd();
    if (!hwnd)
        return;
    int pad = 0;
    if (auto* font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0))) {
        HDC dc = GetDC(hwnd);
        {
            fw::CSelectObject selected(dc, font);
            pad = BlankWidth(dc);
        }
        ReleaseDC(hwnd, dc);
    }
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    HWND header = ListView_GetHeader(hwnd);
    const int count = Header_GetItemCount(header);
    // No fitted column is narrower than its heading, also where the list is empty: the larger of
    // the list's own fit to the header and the heading as the header draws it.
    const auto headingFloor = [&](int column) {
        ListView_SetColumnWidth(hwnd, column, LVSCW_AUTOSIZE_USEHEADER);
        return std::max(ListView_GetColumnWidth(hwnd, column), HeadingWidth(header, column));
    };
    for (int column = 1; column < count - 1; ++column) {
        const int heading = headingFloor(column);
        ListView_SetColumnWidth(hwnd, column, LVSCW_AUTOSIZE);
        ListView_SetColumnWidth(hwnd, column, std::max(ListView_GetColumnWidth(hwnd, column) + 2 * pad, heading));
    }
    if (count > 0)
        ListView_SetColumnWidth(hwnd, count - 1, headingFloor(count - 1));
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CListCtrlEx::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT:
        // With a DC in wParam the caller paints into it and there is no update region to widen.
        if (!wp)
            ExtendPaintToTheRightEdge();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultHandling(msg, wp, lp);
        if (fullRowSelection && IsReportView())
            RepaintSelectedItems();
        return result;
    }
    case LVM_SETTEXTCOLOR:
        m_textColor = static_cast<COLORREF>(lp);
        break;
    case LVM_SETTEXTBKCOLOR:
        m_textBkColor = static_cast<COLORREF>(lp);
        break;
    case LVM_SETBKCOLOR:
        m_bkColor = static_cast<COLORREF>(lp);
        break;
    }
    return DefaultHandling(msg, wp, lp);
}
