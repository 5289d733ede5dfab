// The fixture of the tests of the dialogs on project data.
#include "ProjectDialogFixture.h"

#include "QV2ResVIds.h"
#include "fw/Resources.h"
#include "wqv2_undo.h"

#include <commctrl.h>

namespace dlgtest {
namespace {

class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord* record, bool) override
    {
        // Nobody undoes here: the record is released at once.
        if (record && record->Free)
            record->Free(record->data);
        return true;
    }
    bool PushRedo(const wqv2_undo::UndoRecord* record) override { return PushUndo(record, false); }
};

int gCommits = 0;

void CountCommit(unsigned int)
{
    ++gCommits;
}

wqv2_data::CData* DataRoot()
{
    static NoUndo store;
    static wqv2_data::CData* root = [] {
        HMODULE module = LoadLibraryW((qvtest::BinFolder() + L"QV2D.dll").c_str());
        auto get = module ? reinterpret_cast<wqv2_data::DllGetDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetData")))
                          : nullptr;
        wqv2_data::CData* made = get ? get(&store) : nullptr;
        if (made)
            made->AddChangeListener(&CountCommit);
        return made;
    }();
    return root;
}

} // namespace

int ProjectDialogTest::Commits()
{
    return gCommits;
}

void ProjectDialogTest::SetUp()
{
    static HMODULE controls = LoadLibraryW((qvtest::BinFolder() + L"RKComControls2.dll").c_str());
    ASSERT_NE(controls, nullptr);
    m_resources = LoadLibraryW((qvtest::BinFolder() + L"QV2ResV.dll").c_str());
    ASSERT_NE(m_resources, nullptr);
    fw::SetResourceModule(m_resources);
    root = DataRoot();
    ASSERT_NE(root, nullptr);
    root->Close(0);
    gData = root;
    gCommits = 0;
    fw::SetModalDialogHook([this](fw::CDialog& dialog) {
        INT_PTR button = IDCANCEL;
        // The latest answer for a class wins.
        for (auto it = answers.rbegin(); it != answers.rend(); ++it) {
            const INT_PTR given = (*it)(dialog);
            if (given >= 0) {
                button = given;
                break;
            }
        }
        HWND hwnd = dialog.Hwnd();
        // An ended dialog never reads its queue again, so the posted cancel only reaches one
        // that the button left open.
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        if (button != 0)
            SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(button), BN_CLICKED), 0);
    });
}

void ProjectDialogTest::TearDown()
{
    fw::SetModalDialogHook({});
    gData = nullptr;
    gCurrentFilter = nullptr;
    if (root)
        root->Close(0);
    fw::SetResourceModule(nullptr);
    if (m_resources)
        FreeLibrary(m_resources);
}

std::wstring ProjectDialogTest::Text(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ProjectDialogTest::SetText(HWND dialog, int id, const std::wstring& text)
{
    SetDlgItemTextW(dialog, id, text.c_str());
}

void ProjectDialogTest::Press(HWND dialog, int id, UINT code)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool ProjectDialogTest::OpenSample()
{
    const std::wstring path = qvtest::TestProgramFolder() + L"samples\\sample.wqv";
    const int status = root->Open(path.c_str(), true);
    return status == wqv2_data::kOk || status == wqv2_data::kErrReadOnly;
}

std::vector<std::vector<std::wstring>> ProjectDialogTest::ListRows(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::vector<std::wstring>> result;
    for (int row = 0; row < rows; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 1; column < columns; ++column) {
            wchar_t buffer[512] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = buffer;
            item.cchTextMax = 512;
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            cells.emplace_back(buffer);
        }
        result.push_back(cells);
    }
    return result;
}

wqv2_data::CResource* ProjectDialogTest::AddResource(const wchar_t* name, int position)
{
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CResource* resource = root->Resources->CreateNew();
    resource->SetName(name);
    resource->Position = position;
    if (root->Resources->Add(resource) != 0 || root->Commit() != 0)
        return nullptr;
    return resource;
}

wqv2_data::CFilter* ProjectDialogTest::AddFilter(const wchar_t* name)
{
    if (root->BeginTransaction(L"") != 0)
        return nullptr;
    wqv2_data::CFilter* filter = root->Filters->CreateNew();
    filter->SetName(name);
    if (root->Filters->Add(filter) != 0 || root->Commit() != 0)
        return nullptr;
    return filter;
}

} // namespace dlgtest
