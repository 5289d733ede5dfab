// Control stand-ins and the test host window.
#include "ControlDoubles.h"

#include "pages/ControlMessages.h"

#include "QV2PluginInterface.h"

#include <commctrl.h>

namespace controls {
namespace {

HWND Inner(HWND control)
{
    return GetDlgItem(control, kOptionsTreeInnerId);
}

int ImageOf(HWND tree, HTREEITEM item)
{
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_HANDLE;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    return data.iImage;
}

void SetImage(HWND tree, HTREEITEM item, int image)
{
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    data.hItem = item;
    data.iImage = data.iSelectedImage = image;
    TreeView_SetItem(tree, &data);
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const wchar_t* text, int image)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text ? text : L"");
    insert.item.iImage = insert.item.iSelectedImage = image;
    return TreeView_InsertItem(tree, &insert);
}

LRESULT CALLBACK OptionsTreeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    HWND tree = Inner(hwnd);
    switch (msg) {
    case WM_CREATE: {
        RECT client{};
        GetClientRect(hwnd, &client);
        HWND inner = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_SHOWSELALWAYS, 0, 0,
                                     client.right, client.bottom, hwnd, reinterpret_cast<HMENU>(kOptionsTreeInnerId),
                                     nullptr, nullptr);
        if (!inner)
            return -1;
        // Eight item images, as the library's bitmap holds.
        HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 8, 4);
        ImageList_SetImageCount(images, 8);
        TreeView_SetImageList(inner, images, TVSIL_NORMAL);
        return 0;
    }
    case WM_DESTROY:
        if (tree)
            ImageList_Destroy(TreeView_SetImageList(tree, nullptr, TVSIL_NORMAL));
        return 0;
    case RKCC2M_OPTIONSTREE_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(tree);
    case RKCC2M_OPTIONSTREE_ADDROOT:
        return reinterpret_cast<LRESULT>(Insert(tree, nullptr, reinterpret_cast<const wchar_t*>(lp), static_cast<int>(wp)));
    case RKCC2M_OPTIONSTREE_ADDCHECK: {
        const auto* record = reinterpret_cast<const OptionsTreeItem*>(lp);
        return reinterpret_cast<LRESULT>(Insert(tree, record->parent, record->text, record->flag ? 1 : 0));
    }
    case RKCC2M_OPTIONSTREE_ADDRADIO: {
        const auto* record = reinterpret_cast<const OptionsTreeItem*>(lp);
        HTREEITEM item = Insert(tree, record->parent, record->text, 2);
        if (record->flag) {
            for (HTREEITEM child = TreeView_GetChild(tree, record->parent); child;
                 child = TreeView_GetNextSibling(tree, child)) {
                const int image = ImageOf(tree, child);
                SetImage(tree, child, child == item ? 3 : (image == 2 || image == 3 ? 2 : 6));
            }
        }
        return reinterpret_cast<LRESULT>(item);
    }
    case RKCC2M_OPTIONSTREE_GETRADIO: {
        int index = 0;
        for (HTREEITEM child = TreeView_GetChild(tree, reinterpret_cast<HTREEITEM>(lp)); child;
             child = TreeView_GetNextSibling(tree, child), ++index) {
            const int image = ImageOf(tree, child);
            if (image == 3 || image == 7)
                return index;
        }
        return -1;
    }
    case RKCC2M_OPTIONSTREE_SETRADIO: {
        int index = 0;
        for (HTREEITEM child = TreeView_GetChild(tree, reinterpret_cast<HTREEITEM>(lp)); child;
             child = TreeView_GetNextSibling(tree, child), ++index) {
            const int image = ImageOf(tree, child);
            SetImage(tree, child, index == static_cast<int>(wp) ? 3 : (image == 2 || image == 3 ? 2 : 4));
        }
        return 1;
    }
    case RKCC2M_OPTIONSTREE_GETCHECK: {
        const int image = ImageOf(tree, reinterpret_cast<HTREEITEM>(lp));
        return image == 1 || image == 5 ? 1 : 0;
    }
    case RKCC2M_OPTIONSTREE_SETCHECK:
        SetImage(tree, reinterpret_cast<HTREEITEM>(lp), wp ? 1 : 0);
        return 1;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

// The two dates live in the window's extra bytes.
LRESULT CALLBACK DatePeriodProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case RKCC2M_DATEPERIOD_SETDATE:
        SetWindowLongPtrW(hwnd, wp ? sizeof(LONG_PTR) : 0, *reinterpret_cast<const int*>(lp));
        return 1;
    case RKCC2M_DATEPERIOD_GETDATE: {
        const LONG_PTR day = GetWindowLongPtrW(hwnd, wp ? sizeof(LONG_PTR) : 0);
        *reinterpret_cast<int*>(lp) = day ? static_cast<int>(day) : 1;
        return 1;
    }
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

} // namespace

void Register()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSW tree{};
    tree.style = CS_GLOBALCLASS;
    tree.lpfnWndProc = &OptionsTreeProc;
    tree.hInstance = GetModuleHandleW(nullptr);
    tree.lpszClassName = L"RKCC2OptionsTree";
    RegisterClassW(&tree);
    WNDCLASSW period{};
    period.style = CS_GLOBALCLASS;
    period.lpfnWndProc = &DatePeriodProc;
    period.cbWndExtra = 2 * sizeof(LONG_PTR);
    period.hInstance = GetModuleHandleW(nullptr);
    period.lpszClassName = L"RKCC2DatePeriod";
    RegisterClassW(&period);
}

} // namespace controls

CTestHost::CTestHost()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW host{};
        host.lpfnWndProc = &CTestHost::WindowProc;
        host.hInstance = GetModuleHandleW(nullptr);
        host.lpszClassName = L"ReportsTestHost";
        RegisterClassW(&host);
        registered = true;
    }
    m_hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"ReportsTestHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                             nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

CTestHost::~CTestHost()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

LRESULT CALLBACK CTestHost::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<CTestHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_PAGE_GET_FILENAME && wp == 0 && self) {
        if (!self->answers)
            return 0;
        *reinterpret_cast<int*>(lp) = self->kind;
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
