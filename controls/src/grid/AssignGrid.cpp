// The assignment grid window: messages, mouse, keys, scrolling and painting.
#include "grid/AssignGrid.h"

#include "RKComControls2.h"
#include "WideCopy.h"
#include "base/Fonts.h"
#include "grid/InPlaceComboBox.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace rkcc {

namespace {

std::wstring TextOr(const wchar_t* text)
{
    return text ? text : L"";
}

LRESULT CopyOut(const std::wstring& text, wchar_t* buffer)
{
    // The host sized the buffer from the length message: length + 1 characters.
    if (!buffer)
        return -1;
    std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return static_cast<LRESULT>(text.size());
}

} // namespace

int CRKAssignGrid::OnCreate()
{
    SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) | WS_VSCROLL);
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const HFONT parentFont = FontOf(Parent());
    m_font = CopyFont(parentFont);
    m_bold = CopyFont(parentFont, FW_BOLD);
    const TEXTMETRICW tm = FontMetrics(m_font);
    m_model.rowHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading + 5);
    m_model.clientHeight = ClientRect().bottom;
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    SetScrollInfo(Hwnd(), SB_VERT, &si, FALSE);
    return 0;
}

void CRKAssignGrid::UpdateScrollBar()
{
    m_model.clientHeight = ClientRect().bottom;
    m_model.ClampScroll();
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = m_model.ScrollMax();
    si.nPage = static_cast<UINT>(std::max(0, m_model.Page()));
    si.nPos = m_model.scroll;
    SetScrollInfo(Hwnd(), SB_VERT, &si, TRUE);
}

void CRKAssignGrid::RepaintRows()
{
    RECT rows = ClientRect();
    rows.top = m_model.rowHeight;
    InvalidateRect(Hwnd(), &rows, FALSE);
}

void CRKAssignGrid::SetCurrent(int row)
{
    m_model.current = row;
    m_model.ScrollIntoView(row);
    UpdateScrollBar();
    Invalidate();
}

void CRKAssignGrid::OpenEditor(int row)
{
    if (m_model.choices.empty() || !m_model.ValidRow(row) || m_editing)
        return;
    SetCurrent(row);
    const RECT client = ClientRect();
    const int top = m_model.RowTop(row);
    const RECT rect{m_model.columns[0].width, top, client.right, top + 300};
    CInPlaceComboBox* combo = CInPlaceComboBox::Open(Hwnd(), rect, m_font);
    if (!combo)
        return;
    HWND editor = combo->Hwnd();
    for (const AssignGridChoice& choice : m_model.choices)
        SendMessageW(editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
    SendMessageW(editor, CB_SETCURSEL, static_cast<WPARAM>(m_model.rows[static_cast<size_t>(row)].choice), 0);
    m_editing = true;
    m_editor = editor;
    SendMessageW(editor, CB_SHOWDROPDOWN, TRUE, 0);
}

void CRKAssignGrid::OnLeftDown(POINT pt)
{
    SetFocus(Hwnd());
    const int row = m_model.RowAt(pt.y);
    if (row < 0)
        return;
    SetCurrent(row);
    if (pt.x > m_model.columns[0].width && !m_editing)
        OpenEditor(row);
}

void CRKAssignGrid::OnKey(UINT vk)
{
    const int count = m_model.RowCount();
    if (!count || !IsEnabled())
        return;
    const int visible = std::max(1, m_model.LastVisible() - m_model.FirstVisible() + 1);
    int row = m_model.current;
    switch (vk) {
    case VK_UP:
        row = std::max(0, row - 1);
        break;
    case VK_DOWN:
        row = std::min(count - 1, row + 1);
        break;
    case VK_PRIOR:
        row = std::max(0, row - visible);
        break;
    case VK_NEXT:
        row = std::min(count - 1, row + visible);
        break;
    case VK_HOME:
        row = 0;
        break;
    case VK_END:
        row = count - 1;
        break;
    case VK_F4:
    case VK_RETURN:
        OpenEditor(m_model.current);
        return;
    default:
        return;
    }
    if (row != m_model.current)
        SetCurrent(row);
}

void CRKAssignGrid::Paint(HDC dc)
{
    const RECT client = ClientRect();
    const bool enabled = IsEnabled();
    const int h = m_model.rowHeight;
    const int boundary = m_model.columns[0].width;
    FillSolid(dc, client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    FillSolid(dc, {client.left, client.top, client.right, client.top + h}, GetSysColor(COLOR_BTNFACE));
    const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF text = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    CSelect font(dc, m_font.Get());
    constexpr UINT kText = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextIn(dc, m_model.columns[0].text, {client.left + 2, 0, boundary - 1, h}, kText);
    DrawTextIn(dc, m_model.columns[1].text, {boundary + 2, 0, client.right, h}, kText);
    FillSolid(dc, {boundary - 1, 0, boundary, h}, line);
    FillSolid(dc, {client.left, h, client.right, h + 1}, line);
    if (m_model.rows.empty()) {
        if (HasFocus()) {
            RECT focus{client.left, h, client.right, 2 * h};
            DrawFocusRect(dc, &focus);
        }
        return;
    }
    for (int row = m_model.FirstVisible(), top = h; row < m_model.RowCount() && top < client.bottom;
         ++row, top += h) {
        const AssignGridRowData& data = m_model.rows[static_cast<size_t>(row)];
        const RECT rowRect{client.left, top, client.right, top + h};
        const bool current = row == m_model.current && enabled;
        if (current) {
            FillSolid(dc, rowRect, GetSysColor(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            if (HasFocus())
                DrawFocusRect(dc, &rowRect);
        } else {
            SetTextColor(dc, text);
        }
        {
            CSelect nameFont(dc, data.bold ? m_bold.Get() : m_font.Get());
            DrawTextIn(dc, data.name, {client.left + 2, top, boundary - 1, top + h}, kText | DT_LEFT);
        }
        FillSolid(dc, {boundary - 1, top, boundary, top + h}, line);
        if (m_model.ValidChoice(data.choice) && data.choice >= 0)
            DrawTextIn(dc, m_model.choices[static_cast<size_t>(data.choice)].text, {boundary + 2, top, client.right, top + h},
                       kText);
        FillSolid(dc, {client.left, top + h - 1, client.right, top + h}, line);
    }
}

LRESULT CRKAssignGrid::OnGridMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CAssignGridModel& m = m_model;
    const auto index = static_cast<long long>(static_cast<int>(wp));
    switch (msg) {
    case RKCC2M_ASSIGNGRID_SETCOLUMN: {
        const auto* column = reinterpret_cast<const AssignGridColumn*>(lp);
        if (wp > 1 || !column)
            return -1;
        m.columns[wp] = {TextOr(column->text), column->width};
        Invalidate();
        return 1;
    }
    case RKCC2M_ASSIGNGRID_GETCOLUMN: {
        auto* column = reinterpret_cast<AssignGridColumnOut*>(lp);
        if (wp > 1 || !column || column->length <= 0 || !column->text)
            return -1;
        column->width = m.columns[wp].width;
        wstr::CopyBounded(column->text, static_cast<size_t>(column->length), m.columns[wp].text);
        return 1;
    }
    case RKCC2M_ASSIGNGRID_ADDROW:
    case RKCC2M_ASSIGNGRID_SETROW: {
        const auto* row = reinterpret_cast<const AssignGridRow*>(lp);
        const bool add = msg == RKCC2M_ASSIGNGRID_ADDROW;
        if (!row || !m.ValidChoice(row->choice) || (!add && !m.ValidRow(index)))
            return -1;
        AssignGridRowData data{TextOr(row->text), row->bold, row->choice, row->data1, row->data2};
        if (add)
            m.AddRow(std::move(data));
        else
            m.rows[static_cast<size_t>(index)] = std::move(data);
        UpdateScrollBar();
        Invalidate();
        return 1;
    }
    case RKCC2M_ASSIGNGRID_GETROW: {
        auto* row = reinterpret_cast<AssignGridRow*>(lp);
        if (!m.ValidRow(index) || !row || row->length <= 0 || !row->text)
            return -1;
        const AssignGridRowData& data = m.rows[static_cast<size_t>(index)];
        wstr::CopyBounded(const_cast<wchar_t*>(row->text), static_cast<size_t>(row->length), data.name);
        row->choice = data.choice;
        row->bold = data.bold;
        row->data1 = data.data1;
        row->data2 = data.data2;
        return 1;
    }
    case RKCC2M_ASSIGNGRID_GETROWCOUNT:
        return m.RowCount();
    case RKCC2M_ASSIGNGRID_SETCURSEL:
        if (!m.ValidRow(index))
            return -1;
        SetCurrent(static_cast<int>(index));
        return index;
    case RKCC2M_ASSIGNGRID_GETCURSEL:
        return m.current;
    case RKCC2M_ASSIGNGRID_RESETCONTENT:
    case RKCC2M_ASSIGNGRID_DELETEALLROWS:
        m.rows.clear();
        if (msg == RKCC2M_ASSIGNGRID_RESETCONTENT)
            m.choices.clear();
        m.current = -1;
        UpdateScrollBar();
        Invalidate();
        return 0;
    case RKCC2M_ASSIGNGRID_ADDCHOICE:
        if (!lp)
            return -1;
        m.choices.push_back({reinterpret_cast<const wchar_t*>(lp), 0});
        return m.ChoiceCount();
    case RKCC2M_ASSIGNGRID_GETCHOICELEN:
        return index >= 0 && index < m.ChoiceCount() ? static_cast<LRESULT>(m.choices[wp].text.size()) : -1;
    case RKCC2M_ASSIGNGRID_GETCHOICETEXT:
        if (index < 0 || index >= m.ChoiceCount())
            return -1;
        return CopyOut(m.choices[wp].text, reinterpret_cast<wchar_t*>(lp));
    case RKCC2M_ASSIGNGRID_SETROWCHOICE:
        if (!m.ValidRow(index) || !m.ValidChoice(static_cast<int>(lp)))
            return -1;
        m.rows[wp].choice = static_cast<int>(lp);
        Invalidate();
        return m.ChoiceCount();
    case RKCC2M_ASSIGNGRID_GETROWCHOICE:
        return m.ValidRow(index) ? m.rows[wp].choice : -1;
    case RKCC2M_ASSIGNGRID_GETROWTEXTLEN:
        return m.ValidRow(index) ? static_cast<LRESULT>(m.rows[wp].name.size()) : -1;
    case RKCC2M_ASSIGNGRID_GETROWTEXT:
        if (!m.ValidRow(index))
            return -1;
        return CopyOut(m.rows[wp].name, reinterpret_cast<wchar_t*>(lp));
    case RKCC2M_ASSIGNGRID_CLEARCHOICES:
        m.ClearChoices();
        Invalidate();
        return 0;
    case RKCC2M_ASSIGNGRID_GETCHOICECOUNT:
        return m.ChoiceCount();
    case RKCC2M_ASSIGNGRID_SETROWCHOICEBYTEXT: {
        if (!m.ValidRow(index) || !lp)
            return -1;
        const int found = m.FindChoiceByText(reinterpret_cast<const wchar_t*>(lp));
        if (found < 0)
            return -1;
        m.rows[wp].choice = found;
        Invalidate();
        return found;
    }
    case RKCC2M_ASSIGNGRID_SETCHOICEKEY:
        if (index < 0 || index >= m.ChoiceCount())
            return -1;
        m.choices[wp].key = static_cast<int>(lp);
        return 1;
    case RKCC2M_ASSIGNGRID_GETCHOICEKEY:
        return index >= 0 && index < m.ChoiceCount() ? m.choices[wp].key : 0;
    case RKCC2M_ASSIGNGRID_SETROWCHOICEBYKEY: {
        const int found = m.ValidRow(index) ? m.FindChoiceByKey(static_cast<int>(lp)) : -1;
        if (found < 0)
            return -1;
        m.rows[wp].choice = found;
        Invalidate();
        return m.ChoiceCount();
    }
    case RKCC2M_ASSIGNGRID_GETROWCHOICEKEY: {
        if (!m.ValidRow(index))
            return 0;
        const int choice = m.rows[wp].choice;
        return choice >= 0 && choice < m.ChoiceCount() ? m.choices[static_cast<size_t>(choice)].key : 0;
    }
    case RKCC2M_ASSIGNGRID_ENDEDIT:
        m_editing = false;
        m_editor = nullptr;
        if (wp == 0 && m.ValidRow(m.current)) {
            const auto selection = static_cast<int>(lp);
            m.rows[static_cast<size_t>(m.current)].choice = m.ValidChoice(selection) ? selection : -1;
            Invalidate();
        }
        return 1;
    default:
        handled = false;
        return 0;
    }
}

LRESULT CRKAssignGrid::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return OnCreate();
    case WM_SIZE:
        UpdateScrollBar();
        Invalidate();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Invalidate();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(Hwnd());
        cdc_extensions::CMemoryDC dc(paint);
        Paint(dc);
        return 0;
    }
    case WM_VSCROLL:
        if (IsEnabled()) {
            SetFocus(Hwnd());
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(Hwnd(), SB_VERT, &si);
            if (m_model.OnVScroll(LOWORD(wp), si.nTrackPos)) {
                UpdateScrollBar();
                RepaintRows();
            }
        }
        return 0;
    case WM_LBUTTONDOWN:
        OnLeftDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_LBUTTONDBLCLK: {
        const int row = m_model.RowAt(GET_Y_LPARAM(lp));
        if (row >= 0 && IsEnabled()) {
            OpenEditor(row);
            return 0;
        }
        return Default(msg, wp, lp);
    }
    case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wp));
        return wp == VK_RETURN ? Default(msg, wp, lp) : 0;
    case WM_SYSKEYDOWN:
        if ((wp == VK_UP || wp == VK_DOWN) && m_model.RowCount() && IsEnabled()) {
            OpenEditor(m_model.current);
            return 0;
        }
        return Default(msg, wp, lp);
    default: {
        bool handled = true;
        const LRESULT result = OnGridMessage(msg, wp, lp, handled);
        return handled ? result : Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
