// The viewer's own view-settings pages (files and grid columns) are not built yet: none is
// added, and the dialog shows the plug-ins' pages only.
#include "ViewSettingsDlg.h"

void AddBuiltInViewSettingsPages(HWND)
{
}
