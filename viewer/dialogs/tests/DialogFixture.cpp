// Fixture of the dialog tests.
#include "DialogFixture.h"

#include "fw/Resources.h"

namespace dlgtest {

void DialogFixture::SetUp()
{
    qvtest::ClearLog();
    resources = LoadLibraryW((qvtest::BinFolder() + L"QV2ResV.dll").c_str());
    ASSERT_NE(resources, nullptr);
    fw::SetResourceModule(resources);
    ASSERT_TRUE(LoadPlugin(qvtest::StubFolder() + L"stub_pages.dll"));
    fw::SetModalDialogHook([this](fw::CDialog& dialog) {
        if (drive)
            drive(dialog);
        // A dialog the test left open is closed, so the run never waits for a user.
        if (!dialog.HasEnded())
            Click(dialog, IDCANCEL);
    });
    qvtest::ClearLog();
}

void DialogFixture::TearDown()
{
    fw::SetModalDialogHook({});
    gPlugins->FreeAll();
    fw::SetResourceModule(nullptr);
    if (resources)
        FreeLibrary(resources);
}

bool DialogFixture::LoadPlugin(const std::wstring& path)
{
    CPluginHostInfo host;
    host.resources = resources;
    std::wstring refused;
    return gPlugins->LoadPlugins({{path, true}}, host, refused);
}

std::vector<std::wstring> DialogFixture::PageLog(const std::wstring& page)
{
    const std::wstring prefix = L"stub_pages:" + (page.empty() ? std::wstring() : page + L" ");
    std::vector<std::wstring> lines;
    for (const std::wstring& line : qvtest::LogLinesOf(prefix))
        lines.push_back(line.substr(prefix.size()));
    return lines;
}

void DialogFixture::Click(fw::CDialog& dialog, int id)
{
    SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.Item(id)));
}

std::wstring DialogFixture::Text(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

} // namespace dlgtest
