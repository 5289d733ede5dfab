// Modal dialogs driven from the modal-dialog hook, before the system would show them.
#include "FrameworkTestIds.h"
#include "fw/Dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CTestDialog : public fw::CDialog {
public:
    CTestDialog() : fw::CDialog(IDT_TEST_DIALOG, GetModuleHandleW(nullptr)) {}

    std::wstring text; // in and out

protected:
    bool OnInit() override
    {
        SetDlgItemTextW(Hwnd(), IDT_TEST_EDIT, text.c_str());
        return true;
    }
    void OnOk() override
    {
        wchar_t buffer[64] = {};
        GetDlgItemTextW(Hwnd(), IDT_TEST_EDIT, buffer, 64);
        text = buffer;
        End(IDOK);
    }
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { fw::SetModalDialogHook({}); }
};

void Click(fw::CDialog& dialog, int id)
{
    SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.Item(id)));
}

TEST_F(DialogTest, ModalHook_seesTheInitialisedDialogBeforeItIsShown)
{
    bool visible = true;
    std::wstring shown;
    fw::SetModalDialogHook([&](fw::CDialog& dialog) {
        visible = IsWindowVisible(dialog.Hwnd()) != FALSE;
        wchar_t buffer[64] = {};
        GetDlgItemTextW(dialog.Hwnd(), IDT_TEST_EDIT, buffer, 64);
        shown = buffer;
        SetDlgItemTextW(dialog.Hwnd(), IDT_TEST_EDIT, L"typed");
        EXPECT_FALSE(dialog.HasEnded());
        Click(dialog, IDOK);
        EXPECT_TRUE(dialog.HasEnded());
    });
    CTestDialog dialog;
    dialog.text = L"given";
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_FALSE(visible);
    EXPECT_EQ(shown, L"given");
    EXPECT_EQ(dialog.text, L"typed");
    EXPECT_EQ(dialog.Hwnd(), nullptr);
}

} // namespace
