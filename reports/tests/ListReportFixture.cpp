// Fixture of the list-report tests.
#include "ListReportFixture.h"


#include "QV2ResVReportIds.h"

#include <commctrl.h>

namespace {

std::wstring TreeText(HWND tree, HTREEITEM item)
{
    wchar_t text[128] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 128;
    TreeView_GetItem(tree, &data);
    return text;
}

} // namespace

void ListReportTest::SetUp()
{
    ReportTest::SetUp();
    ASSERT_TRUE(paper.Active());
    ASSERT_NE(rtest::CData::Fresh(), nullptr);
}

void ListReportTest::TearDown()
{
    if (engine)
        rtest::FreeEngine();
    engine = nullptr;
    ReportTest::TearDown();
}

std::wstring ListReportTest::ExportText(const ReportDefinition& report)
{
    const std::wstring path = folder.File(L"export.txt");
    DeleteFileW(path.c_str());
    if (report.exportFile(path.c_str()) != 0)
        return {};
    return rtest::ReadUtf16(path);
}

std::wstring ListReportTest::HtmlText(const ReportDefinition& report, const std::wstring& name, bool keep)
{
    const std::wstring path = keep ? rtest::OutputFolder() + name : folder.File(name);
    if (report.html(path.c_str()) != 0)
        return {};
    return rtest::ReadUtf16(path);
}

int ListReportTest::Print(const ReportDefinition& report)
{
    if (engine)
        rtest::FreeEngine();
    engine = rtest::Engine();
    return report.print(engine, dc.Get(), dc.Get());
}

std::wstring ListReportTest::PageTexts(int page)
{
    std::wstring joined;
    for (const std::wstring& text : Page(page).Strings())
        joined += (joined.empty() ? L"" : L"|") + text;
    return joined;
}

bool ListReportTest::HasRule(const petest::PageRec& page, int penWidth)
{
    for (const petest::LineRec& line : page.lines) {
        if (line.from.y == line.to.y && line.from.x != line.to.x && line.penWidth == penWidth)
            return true;
    }
    return false;
}

void ListPageTest::SetUp()
{
    ListReportTest::SetUp();
    controls::Register();
    ASSERT_NE(host.Hwnd(), nullptr);
}

void ListPageTest::TearDown()
{
    if (page)
        DestroyWindow(page);
    ListReportTest::TearDown();
}

HWND ListPageTest::CreatePage(const ReportDefinition& report, const wchar_t* caption, const wchar_t* caption2)
{
    ReportPageRecord record{};
    page = report.createPage(host.Hwnd(), 200, 150, &record) ? record.Page : nullptr;
    EXPECT_STREQ(record.Caption, caption);
    EXPECT_STREQ(record.Caption2, caption2);
    return page;
}

std::wstring ListPageTest::ItemText(int id) const
{
    wchar_t text[256] = {};
    GetDlgItemTextW(page, id, text, 256);
    return text;
}

TDate ListPageTest::PeriodDate(int side) const
{
    int day = 0;
    SendDlgItemMessageW(page, IDC_REPORT_PERIOD, RKCC2M_DATEPERIOD_GETDATE, static_cast<WPARAM>(side),
                        reinterpret_cast<LPARAM>(&day));
    return TDate(static_cast<uint32_t>(day));
}

void ListPageTest::SetPeriodDate(int side, TDate date) const
{
    const int day = static_cast<int>(static_cast<uint32_t>(date));
    SendDlgItemMessageW(page, IDC_REPORT_PERIOD, RKCC2M_DATEPERIOD_SETDATE, static_cast<WPARAM>(side),
                        reinterpret_cast<LPARAM>(&day));
}

HWND ListPageTest::Tree() const
{
    return GetDlgItem(GetDlgItem(page, IDC_REPORT_OPTIONS), kOptionsTreeInnerId);
}

std::wstring ListPageTest::Outline() const
{
    HWND tree = Tree();
    HWND options = GetDlgItem(page, IDC_REPORT_OPTIONS);
    std::wstring text;
    for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
        text += TreeText(tree, root) + L"(";
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
            const bool checked =
                SendMessageW(options, RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(child)) == 1;
            text += TreeText(tree, child) + (checked ? L"[x]" : L"[ ]");
        }
        text += L")";
    }
    return text;
}

HTREEITEM ListPageTest::Child(const std::wstring& text) const
{
    HWND tree = Tree();
    for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
            if (TreeText(tree, child) == text)
                return child;
        }
    }
    return nullptr;
}

void ListPageTest::SetCheck(const std::wstring& text, bool checked) const
{
    SendMessageW(GetDlgItem(page, IDC_REPORT_OPTIONS), RKCC2M_OPTIONSTREE_SETCHECK, checked ? TRUE : FALSE,
                 reinterpret_cast<LPARAM>(Child(text)));
}
