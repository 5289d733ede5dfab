#pragma once
// CRowClickTreeCtrl: a tree view of a dialog template whose items take a click anywhere on their
// row. The tree view itself selects an item only on its label, so without it a click on the
// blank rest of the row, most of the row of a short title such as "Filters", does nothing. The
// dialog subclasses its control (Attach).

#include "fw/Subclass.h"

#include <windows.h>

class CRowClickTreeCtrl : public fw::CSubclassedWindow {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};
