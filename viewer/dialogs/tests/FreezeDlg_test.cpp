#include "FreezeDlg.h"

#include "FrameDialogs.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"

namespace {

class FreezeDlgTest : public dlgtest::ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        SetSetting(L"DlgFreezeResourcesMax", L"");
    }

    // Types `value` into the count and presses OK.
    void Type(int value)
    {
        Answer<CFreezeDlg>([value](CFreezeDlg& dialog) {
            int typed = value;
            SendMessageW(dialog.Item(IDC_FREEZE_COUNT), RKCC2M_LONGEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&typed));
            return IDOK;
        });
    }
};

TEST_F(FreezeDlgTest, Runner_storesTheCountInOneCommit)
{
    Type(4);
    ShowFreezeDlg(2);
    EXPECT_EQ(root->ProjectSettings->FreezeResources, 4);
    EXPECT_EQ(Commits(), 1);
}

TEST_F(FreezeDlgTest, Ok_theCountStaysWithinZeroAndTheMaximum)
{
    Type(250);
    CFreezeDlg dialog;
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(dialog.count, 100);

    SetSetting(L"DlgFreezeResourcesMax", L"-5");
    Type(3);
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(dialog.count, 0);

    SetSetting(L"DlgFreezeResourcesMax", L"");
    Type(-7);
    EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
    EXPECT_EQ(dialog.count, 0);
}

} // namespace
