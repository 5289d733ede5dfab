#pragma once
// CBaseDlg: the base of every report option page, a modeless child dialog that the viewer's
// reports dialog embeds and drives with the page messages 2029 to 2035 and 2039. It holds the
// report title (edit 1001) and the printer orientation, shown as two radio items in an options
// tree (control 1022) while the output is the printer, and gives the standard answers; a concrete
// page loads and stores its own settings under its settings prefix and may add groups of check
// items to the options tree, each bound to a member; such a member is mostly a switch stored as a
// boolean setting, which the base loads and applies once the page binds it (BindSwitch). Each
// page object lives for the whole process (a static of its report), while its window is made
// anew by every CreatePage call and destroyed by the host dialog.

#include "pages/OptionsTreeCtrl.h"

#include "QV2PluginInterface.h"
#include "fw/Dialog.h"

#include <string>
#include <vector>

class CBaseDlg : public fw::CDialog {
public:
    // `settingsPrefix`: the report's settings keys begin with it (<prefix>Title, ...).
    CBaseDlg(UINT templateId, const wchar_t* settingsPrefix);
    ~CBaseDlg() override = default;

    // Creates the page window as a child of `parent` (replacing a window still left from an
    // earlier call) and keeps `parent` as the host; false when the window cannot be made.
    bool CreatePage(HWND parent);

    std::wstring Title;
    int OrientationIndex = 0;          // the printer orientation setting is this + 1
    CRK2OptionsTreeCtrl OptionsTree;   // control 1022
    HWND HostWindow = nullptr;         // not owned: the host dialog
    int ImageIndex = -1;               // the orientation group's image in the options tree's image list
    int ListImageIndex = -1;           // the image of the page's own groups (bitmap 130)
    HTREEITEM GroupItem = nullptr;     // the orientation items; null while not shown
    HTREEITEM FirstRadioItem = nullptr;
    HTREEITEM SecondRadioItem = nullptr;

    // The output kind the host shows: 0 printer, 1 export, 2 HTML; -1 without a host answer.
    virtual int GetOutputKind();

protected:
    // Each page sets its default title and OrientationIndex.
    virtual void SetDefaults() {}
    // A page may add its own options after the orientation group.
    virtual void AfterFillOptions() {}
    // Clears the item handles and adds bitmaps 129 and 130 to the inner tree's image list.
    virtual void InitOptionsImage();
    // Adds a bitmap of the resource library (magenta transparent) to the inner tree's image
    // list; its index, or -1 without a tree, an image list or the bitmap.
    int AddOptionsImage(UINT bitmapId);
    // Rebuilds the tree: the orientation group with its two radio items, for printing only, then
    // the page's own groups (AddOptions); when the page added any, they are expanded and the
    // first root is shown.
    virtual void FillOptions();
    // The page's own groups for output kind `kind` (0 printer, 1 export, 2 HTML, -1 without a
    // host answer), made with AddOptionsGroup and AddCheckOption.
    virtual void AddOptions(int kind) { (void)kind; }
    // A root item with the list image.
    HTREEITEM AddOptionsGroup(UINT textId);
    // A check item under `group` showing `value`; the data exchange reads it back into `value`
    // until the tree is rebuilt. An option left out for an output keeps its value.
    HTREEITEM AddCheckOption(HTREEITEM group, bool& value, UINT textId);
    virtual void RefreshOptions();

    // Page messages (wParam and lParam as received; the result is the message's answer).
    // Load (2029): SetDefaults, InitOptionsImage, title from <prefix>Title unless
    // <prefix>TitleEmpty, orientation from <prefix>PrinterOrientation, LoadOwnSettings,
    // LoadControls, FillOptions; 1.
    virtual int OnPageLoad(WPARAM wp, LPARAM lp);
    // Apply (2030): StoreControls, the three keys, ApplyOwnSettings; 1.
    virtual int OnPageApply(WPARAM wp, LPARAM lp);
    virtual int OnPageValidate(WPARAM wp, LPARAM lp);
    virtual int OnPageShown(WPARAM wp, LPARAM lp);
    virtual int OnPageOutputChanged(WPARAM wp, LPARAM lp);
    // wParam the capacity, lParam the buffer: receives the title as the proposed file name.
    virtual int OnPageGetFileName(WPARAM wp, LPARAM lp);
    // lParam int*: receives the orientation the page shows (1 portrait, 2 landscape), which the
    // printer set-up shows before an apply; nothing is stored.
    virtual int OnPageGetOrientation(WPARAM wp, LPARAM lp);

    // Data exchange: controls into members, and members into controls. Pages with controls of
    // their own extend both.
    virtual void StoreControls();
    virtual void LoadControls();
    // The orientation radio items into OrientationIndex, while they are shown.
    void StoreOrientation();

    const std::wstring& SettingsPrefix() const { return m_settingsPrefix; }
    // The page's own settings; here its switches.
    virtual void LoadOwnSettings() { LoadSwitches(); }
    virtual void ApplyOwnSettings() { ApplySwitches(); }

    // Binds `value`, a member of the page, to the boolean setting <prefix><word>.
    void BindSwitch(bool& value, const wchar_t* word);
    // Reads the bound switches (each with its value as the default), or writes them; both in the
    // order they were bound.
    void LoadSwitches();
    void ApplySwitches();
    // The last items of a columns group: the format and user-field columns, which the export
    // alone has, then the notes column.
    void AddLastColumnOptions(HTREEITEM group, int kind, bool& format, bool& userFields, bool& notes);

    bool OnInit() override;
    // A page never ends itself: Enter and Escape belong to the host dialog.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    INT_PTR HandlePageMessage(UINT msg, WPARAM wp, LPARAM lp);
    struct CheckOption {
        bool* value;    // the page member it shows
        HTREEITEM item;
    };
    struct Switch {
        bool* value;    // the page member
        std::wstring key;
    };

    std::wstring m_settingsPrefix;
    std::vector<CheckOption> m_checks; // the check items of the tree as it stands
    std::vector<HTREEITEM> m_groups;   // the page's own groups, expanded once added
    std::vector<Switch> m_switches;
};

// The CreatePage callback's work for any report page: the page created as a child of `parent`,
// `out` filled with its window and the captions of the two strings; nonzero on success. A null
// `out` gives 0; a page that cannot be made leaves a null window in `out` and gives 0.
int CreateReportPage(CBaseDlg& page, HWND parent, ReportPageRecord* out, UINT captionId, UINT caption2Id);
