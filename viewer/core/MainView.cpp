// The main view: hosts the board window.
#include "MainView.h"

#include "QV2PluginInterface.h"

#include <windowsx.h>

namespace {
const wchar_t kViewClass[] = L"QvMainView";
constexpr int kViewControlId = 0xE900; // the first pane of a frame
}

bool CMainView::Create(HWND frame)
{
    if (!RegisterWindowClass(kViewClass, CS_DBLCLKS, nullptr, nullptr))
        return false;
    CreateArgs args;
    args.className = kViewClass;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.x = args.y = 0;
    args.cx = args.cy = 0;
    args.parent = frame;
    args.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kViewControlId));
    return fw::CWindow::Create(args);
}

void CMainView::SetBoardWindow(HWND board)
{
    m_board = board;
    if (!Hwnd())
        return;
    RECT rc{};
    GetClientRect(Hwnd(), &rc);
    FitBoard(rc.right, rc.bottom);
}

void CMainView::FitBoard(int cx, int cy)
{
    // The plug-in may have destroyed its window without telling us.
    if (!m_board || !IsWindow(m_board))
        return;
    ShowWindow(m_board, SW_SHOW);
    MoveWindow(m_board, 0, 0, cx, cy, TRUE);
}

LRESULT CMainView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        FitBoard(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Hwnd(), &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (m_board && IsWindow(m_board)) {
            ViewWheelArgs args{GET_KEYSTATE_WPARAM(wp), GET_WHEEL_DELTA_WPARAM(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            SendMessageW(m_board, WM_MAINVIEW_WHEEL, 0, reinterpret_cast<LPARAM>(&args));
        }
        break;
    case WM_CONTEXTMENU:
        // Mouse-invoked menus are the board window's own business; only the keyboard's
        // (-1, -1) is passed on.
        if (GET_X_LPARAM(lp) == -1 && GET_Y_LPARAM(lp) == -1) {
            if (m_board && IsWindow(m_board)) {
                ViewContextMenuArgs args{-1, -1};
                SendMessageW(m_board, WM_MAINVIEW_CONTEXTMENU, 0, reinterpret_cast<LPARAM>(&args));
            }
            return 0;
        }
        break;
    }
    return DefaultHandling(msg, wp, lp);
}
