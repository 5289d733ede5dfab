// Library settings and the registration of the control classes.
#include "Library.h"

#include "base/CtlWnd.h"
#include "buttons/ArrowButton.h"
#include "buttons/ColorPicker.h"
#include "buttons/Hyperlink.h"
#include "calendar/RKCalendar.h"
#include "checks/CheckGroup.h"
#include "combos/FontComboBox.h"
#include "combos/PictureComboBox.h"
#include "checks/CheckListBox.h"
#include "checks/CheckTree.h"
#include "checks/OptionsTree.h"
#include "edit/DateEdit.h"
#include "grid/AssignGrid.h"
#include "lists/SortListBox.h"
#include "tabs/TabCtrl.h"
#include "edit/EditExCtl.h"
#include "edit/NumberEdits.h"
#include "edit/Periods.h"
#include "edit/TimeEdit.h"

#include <commctrl.h>

namespace rkcc {

namespace {

LibrarySettings gSettings;

struct ControlClass {
    const wchar_t* name;
    UINT style;
    WNDPROC proc;
    bool buttonFaceBrush; // else the stock light-grey brush
};

constexpr UINT kRedraw = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; // 0x400B
constexpr UINT kPlain = CS_GLOBALCLASS;                                        // 0x4000

// Registration order is part of the interface.
const ControlClass kClasses[] = {
    {RKCC2_CLASS_CALENDAR, kRedraw, &CCtlWnd::OuterWindowProc<CRKCalendar>, true},
    {RKCC2_CLASS_COLORPICKER, kPlain, &CCtlWnd::OuterWindowProc<CRKColorPicker>, false},
    {RKCC2_CLASS_FONTCOMBOBOX, kRedraw, &CCtlWnd::OuterWindowProc<CRKFontComboBox>, false},
    {RKCC2_CLASS_PICTURECOMBOBOX, kRedraw, &CCtlWnd::OuterWindowProc<CRKPictureComboBox>, false},
    {RKCC2_CLASS_CHECKLISTBOX, kPlain, &CCtlWnd::OuterWindowProc<CRKCheckListBox>, false},
    {RKCC2_CLASS_SORTLISTBOX, kPlain, &CCtlWnd::OuterWindowProc<CRKSortListBox>, false},
    {RKCC2_CLASS_CHECKTREE, kRedraw, &CCtlWnd::OuterWindowProc<CRKCheckTree>, false},
    {RKCC2_CLASS_OPTIONSTREE, kRedraw, &CCtlWnd::OuterWindowProc<CRKOptionsTree>, false},
    {RKCC2_CLASS_ASSIGNGRID, kRedraw, &CCtlWnd::OuterWindowProc<CRKAssignGrid>, false},
    {RKCC2_CLASS_HYPERLINK, kPlain, &CCtlWnd::OuterWindowProc<CRKHyperlink>, false},
    {RKCC2_CLASS_LONGEDIT, kRedraw, &CCtlWnd::OuterWindowProc<CRKLongEdit>, false},
    {RKCC2_CLASS_DOUBLEEDIT, kRedraw, &CCtlWnd::OuterWindowProc<CRKDoubleEdit>, false},
    {RKCC2_CLASS_TIMEEDIT, kRedraw, &CCtlWnd::OuterWindowProc<CRKTimeEdit>, false},
    {RKCC2_CLASS_TIMEPERIOD, kRedraw, &CCtlWnd::OuterWindowProc<CRKTimePeriod>, false},
    {RKCC2_CLASS_CHECKGROUP, kPlain, &CCtlWnd::OuterWindowProc<CRKCheckGroup>, false},
    {RKCC2_CLASS_DATEEDIT, kRedraw, &CCtlWnd::OuterWindowProc<CRKDateEdit>, false},
    {RKCC2_CLASS_DATEPERIOD, kRedraw, &CCtlWnd::OuterWindowProc<CRKDatePeriod>, false},
    {RKCC2_CLASS_TABCTRL, kRedraw, &CCtlWnd::OuterWindowProc<CRKTabCtrl>, false},
};

bool RegisterControlClass(const ControlClass& c)
{
    const HINSTANCE module = ControlsModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(module, c.name, &existing))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = c.style;
    wc.lpfnWndProc = c.proc;
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = c.buttonFaceBrush ? reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)
                                         : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = c.name;
    return RegisterClassExW(&wc) != 0;
}

} // namespace

LibrarySettings& Settings()
{
    return gSettings;
}

void ResetLibrarySettings()
{
    gSettings = LibrarySettings{};
}

bool RegisterControlClasses()
{
    // The C runtime's locale is left alone: it is process-wide and belongs to the host. The
    // decimal edits read and write the user locale's separator themselves.
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    bool all = true;
    for (const ControlClass& c : kClasses)
        all = RegisterControlClass(c) && all;
    return all;
}

void UnregisterControlClasses()
{
    for (const ControlClass& c : kClasses)
        UnregisterClassW(c.name, ControlsModule());
    UnregisterEditClasses();
    UnregisterArrowButtonClass();
    UnregisterSortListClasses();
}

} // namespace rkcc
