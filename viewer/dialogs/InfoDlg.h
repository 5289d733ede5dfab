#pragma once
// CInfoDlg: what the viewer runs with, on three pages chosen in a list box: the folders and
// files it uses, the system and the locale's formats, and every module of the process (modal).
// Saves all three pages into one UTF-16 text file.

#include "InfoPages.h"
#include "ListCtrlEx.h"
#include "fw/Dialog.h"

#include <string>

class CInfoDlg : public fw::CDialog {
public:
    CInfoDlg();

    static constexpr int kPages = 3;

    // The text of the information file: byte-order mark, head line, then each page's title and
    // its rows, a TAB before every cell from the second column on and CR LF after each row.
    std::wstring InformationText() const;
    // Writes `text` (UTF-16) into a new or replaced file; false, with message 12213, when the
    // file cannot be opened or not all of it was written.
    bool WriteInformationFile(const std::wstring& path, const std::wstring& text) const;

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FillPage(int page, const std::vector<UINT>& headings, int rightAligned, const InfoRows& rows);
    void ShowPage(int page);
    void Save();

    CListCtrlEx m_lists[kPages];
    InfoRows m_modules; // kept until the dialog goes
};
