// The information dialog.
#include "InfoDlg.h"

#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "WorkingTimeText.h"
#include "fw/FileDialog.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

#include <commctrl.h>

namespace {

const int kListIds[CInfoDlg::kPages] = {IDC_INFO_FOLDERS, IDC_INFO_SYSTEM, IDC_INFO_MODULES};
const UINT kPageTitles[CInfoDlg::kPages] = {IDS_INFO_PAGE_FOLDERS, IDS_INFO_PAGE_SYSTEM, IDS_INFO_PAGE_MODULES};

int ColumnCount(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

class CWaitCursor {
public:
    CWaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

} // namespace

CInfoDlg::CInfoDlg() : fw::CDialog(IDD_INFO)
{
}

bool CInfoDlg::OnInit()
{
    const CWaitCursor wait;
    FillPage(0, {IDS_INFO_COLUMN_ENTRY, IDS_INFO_COLUMN_FOLDER}, -1, CollectFolderRows());
    FillPage(1, {IDS_INFO_COLUMN_ITEM, IDS_INFO_COLUMN_VALUE}, -1, CollectSystemRows());
    m_modules = CollectModuleRows();
    FillPage(2,
             {IDS_INFO_COLUMN_MODULE, IDS_INFO_COLUMN_VERSION, IDS_INFO_COLUMN_DATE, IDS_INFO_COLUMN_SIZE,
              IDS_INFO_COLUMN_PATH},
             4, m_modules);
    HWND pages = Item(IDC_INFO_PAGES);
    for (UINT title : kPageTitles)
        SendMessageW(pages, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadResString(title).c_str()));
    SendMessageW(pages, LB_SETCURSEL, 0, 0);
    ShowPage(0);
    return true;
}

void CInfoDlg::FillPage(int page, const std::vector<UINT>& headings, int rightAligned, const InfoRows& rows)
{
    HWND list = Item(kListIds[page]);
    if (!list || !m_lists[page].Attach(list))
        return;
    CListCtrlEx& shown = m_lists[page];
    shown.InsertColumn(0, L"", LVCFMT_LEFT, 0);
    for (size_t i = 0; i < headings.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        shown.InsertColumn(column, fw::LoadResString(headings[i]), column == rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT, 100);
    }
    for (const std::vector<std::wstring>& cells : rows)
        shown.AppendRow(cells);
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_OWNERDRAWFIXED);
    shown.SelectFirstRow();
    m_lists[page].AutoSizeColumns();
}

void CInfoDlg::ShowPage(int page)
{
    for (int i = 0; i < kPages; ++i) {
        if (HWND list = Item(kListIds[i]))
            ShowWindow(list, i == page ? SW_SHOW : SW_HIDE);
    }
}

std::wstring CInfoDlg::InformationText() const
{
    std::wstring text(1, static_cast<wchar_t>(0xFEFF));
    text += msgfmt::Format(fw::LoadResString(IDS_INFO_FILE_HEAD),
                           {fw::LoadResString(IDS_APP_TITLE), GetDateText(TDate()), FormatTimeSetting(TTime())});
    for (int page = 0; page < kPages; ++page) {
        text += msgfmt::Format(fw::LoadResString(IDS_INFO_FILE_PAGE), {fw::LoadResString(kPageTitles[page])});
        const CListCtrlEx& shown = m_lists[page];
        HWND list = shown.Hwnd();
        if (!list)
            continue;
        const int columns = ColumnCount(list);
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            for (int column = 1; column < columns; ++column)
                text += L"\t" + shown.ItemText(row, column);
            text += L"\r\n";
        }
    }
    return text;
}

bool CInfoDlg::WriteInformationFile(const std::wstring& path, const std::wstring& text) const
{
    bool written = false;
    DWORD error = 0; // the first failure's: later calls would overwrite it
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
    } else {
        const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        DWORD done = 0;
        if (!WriteFile(file, text.data(), bytes, &done, nullptr))
            error = GetLastError();
        else if (done != bytes)
            error = ERROR_HANDLE_DISK_FULL; // a short write: the disk took no more
        written = error == 0;
        if (!CloseHandle(file) && written) {
            error = GetLastError();
            written = false;
        }
    }
    if (!written) {
        // The system's reason follows: a read-only file and a missing folder need telling apart.
        std::wstring message = msgfmt::Format(fw::LoadResString(IDS_MSG_INFO_NOT_SAVED), {path});
        if (const std::wstring reason = SystemErrorText(error); !reason.empty())
            message += L"\n\n" + reason;
        fw::ShowMessage(Hwnd(), message, MB_OK | MB_ICONERROR);
    }
    return written;
}

void CInfoDlg::Save()
{
    fw::FileDialogArgs args;
    args.owner = Hwnd();
    args.defaultExtension = fw::LoadResString(IDS_INFO_FILE_EXTENSION);
    args.filter = fw::LoadResString(IDS_INFO_FILE_FILTER);
    args.title = fw::LoadResString(IDS_INFO_FILE_TITLE);
    args.initialFolder = GetSetting(L"DirectoryApplicationInformation");
    args.fileName = GetStringSetting(L"DlgInfoFilenameLast", fw::LoadResString(IDS_INFO_FILE_DEFAULT_NAME));
    args.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::wstring path;
    if (!fw::ChooseSaveFile(args, path))
        return;
    // Only a file that was written is worth offering again.
    if (!WriteInformationFile(path, InformationText()))
        return;
    std::wstring folder = GetPathFolder(path);
    if (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    SetSetting(L"DirectoryApplicationInformation", folder);
    SetSetting(L"DlgInfoFilenameLast", GetPathFileName(path));
}

bool CInfoDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_INFO_PAGES) {
        if (code == LBN_SELCHANGE) {
            const LRESULT page = SendMessageW(Item(IDC_INFO_PAGES), LB_GETCURSEL, 0, 0);
            if (page >= 0 && page < kPages)
                ShowPage(static_cast<int>(page));
        }
        return true;
    }
    if (id == IDC_INFO_SAVE) {
        Save();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}

INT_PTR CInfoDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DRAWITEM) {
        for (int page = 0; page < kPages; ++page) {
            if (wp == static_cast<WPARAM>(kListIds[page]) && m_lists[page].Hwnd()) {
                m_lists[page].DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
                SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
        }
    }
    return fw::CDialog::HandleMessage(msg, wp, lp);
}
