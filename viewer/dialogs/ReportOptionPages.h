#pragma once
// The viewer's own pages of the report options dialog (printer and export). Each page is one
// long-lived object whose window is created as a child of the options dialog every time it opens.

#include "QV2PluginInterface.h"

extern "C" {
// Create-page callbacks of the two option-page registrations: clear the record, create the page
// as a child of `parent` and fill in its window and title; nonzero when the page exists.
int QV2_CALL CreatePrinterOptionsPage(HWND parent, int width, int height, PageRecord* out);
int QV2_CALL CreateExportOptionsPage(HWND parent, int width, int height, PageRecord* out);
}
