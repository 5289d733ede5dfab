// Registration of the control classes in a module that already has one of the names.
#include "ControlTestEnv.h"

#include "Library.h"
#include "RKComControls2.h"
#include "base/CtlWnd.h"

using namespace testenv;

namespace {

TEST(Registration, AClassOfTheSameNameStaysAndRegistrationStillSucceeds)
{
    const HINSTANCE module = rkcc::ControlsModule();
    ASSERT_TRUE(UnregisterClassW(RKCC2_CLASS_TABCTRL, module));
    WNDCLASSEXW other{};
    other.cbSize = sizeof(other);
    other.lpfnWndProc = &DefWindowProcW;
    other.hInstance = module;
    other.lpszClassName = RKCC2_CLASS_TABCTRL;
    ASSERT_TRUE(RegisterClassExW(&other));
    EXPECT_TRUE(rkcc::RegisterControlClasses());
    WNDCLASSEXW found{};
    found.cbSize = sizeof(found);
    ASSERT_TRUE(GetClassInfoExW(module, RKCC2_CLASS_TABCTRL, &found));
    EXPECT_EQ(found.lpfnWndProc, &DefWindowProcW);
    // Put the library's own class back for the other tests.
    UnregisterClassW(RKCC2_CLASS_TABCTRL, module);
    EXPECT_TRUE(rkcc::RegisterControlClasses());
    ASSERT_TRUE(GetClassInfoExW(module, RKCC2_CLASS_TABCTRL, &found));
    EXPECT_NE(found.lpfnWndProc, &DefWindowProcW);
}

TEST(Registration, StdMinDateZero_givesNewDateEditsNoMinimum)
{
    rkcc::ResetLibrarySettings();
    EXPECT_EQ(rkcc::Settings().stdMinDate, 2305814u);
    EXPECT_EQ(rkcc::Settings().showWeekNumbers, 1);
    const int word = 0x0100; // only the first byte counts
    rkcc2_setoption(1, 1, &word);
    EXPECT_EQ(rkcc::Settings().showWeekNumbers, 0);
    rkcc2_setoption(1, 2, nullptr);
    rkcc2_setdateformat(L"dd.MM.");
    EXPECT_EQ(rkcc::Settings().dateFormat, L"dd.MM.");
    rkcc2_setdateformat(nullptr);
    EXPECT_EQ(rkcc::Settings().dateFormat, L"");
    rkcc::ResetLibrarySettings();
}

} // namespace
