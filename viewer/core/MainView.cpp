// The main view: hosts the board window and prints reports.
#include "MainView.h"

#include "ProcessObjects.h"
#include "QV2PluginInterface.h"
#include "QV2ResVIds.h"
#include "RKPrintEngine2.h"
#include "ReportPrint.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/WaitCursor.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>

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

bool CMainView::PrintReport()
{
    const ReportRegistration* report = RememberedReport();
    const std::wstring name = report ? std::wstring(report->Name) : std::wstring();
    HWND owner = GetParent(Hwnd());
    return fw::RunPrintJob(*this, owner, name);
}

bool CMainView::OnPreparePrinting(fw::CPrintInfo& info)
{
    ApplyReportOrientation(RememberedReport());
    if (!info.preview)
        info.direct = GetBoolSetting(L"ReportsPrintDirect", false);
    const int pages = ReportPrintState().pageCount;
    if (pages > 0) {
        info.minPage = 1;
        info.maxPage = static_cast<UINT>(pages);
    } else {
        info.dialogFlags |= PD_NOPAGENUMS;
    }
    return fw::DoPreparePrinting(info);
}

void CMainView::OnBeginPrinting(const fw::CPrintDC& dc, fw::CPrintInfo& info)
{
    const ReportRegistration* report = RememberedReport();
    int result = -1;
    {
        fw::CWaitCursor wait;
        if (report && report->Print && gPrintEngine)
            result = report->Print(gPrintEngine, dc.output, dc.attribute);
    }
    // A report that could not build its pages says so once: here, unless the plug-in has told
    // the user already. The box comes before any job is started, so nothing is spooled.
    if (result != 0 && result != kReportFailedShown && report && report->Print &&
        GetBoolSetting(L"ReportsShowErrorMessages", true))
        fw::ShowMessageId(GetParent(Hwnd()), IDS_MSG_REPORT_FAILED, MB_OK | MB_ICONSTOP);
    if (result == 0 && info.printerDc) {
        const int pages = gPrintEngine->GetPageCount();
        info.maxPage = static_cast<UINT>(std::max(pages, 0));
        ReportPrintState().pageCount = std::max(pages, 0);
        info.currentPage = 1;
        return;
    }
    // Nothing to print: the loop prints no page and the preview shows none.
    info.maxPage = 0;
    OnEndPrinting(dc, info);
}

void CMainView::OnPrepareDC(const fw::CPrintDC& dc, fw::CPrintInfo& info)
{
    fw::IPrintTarget::OnPrepareDC(dc, info);
    // The engine works in tenths of a millimetre, on both halves of a preview's pair.
    SetMapMode(dc.output, MM_LOMETRIC);
    if (dc.attribute && dc.attribute != dc.output)
        SetMapMode(dc.attribute, MM_LOMETRIC);
    if (info.maxPage != fw::CPrintInfo::kNoPage)
        info.continuePrinting = info.currentPage <= info.maxPage;
    if (info.toPage != fw::CPrintInfo::kNoPage)
        info.maxPage = info.toPage;
}

void CMainView::OnPrint(const fw::CPrintDC& dc, fw::CPrintInfo& info)
{
    if (gPrintEngine)
        gPrintEngine->DrawPage(dc.output, dc.attribute, static_cast<int>(info.currentPage));
}

void CMainView::OnEndPrinting(const fw::CPrintDC&, fw::CPrintInfo&)
{
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
