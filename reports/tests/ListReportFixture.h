#pragma once
// The fixture of the list-report tests: a report's registered callbacks run inside the test
// program (the framework's fixture: pinned clock and locale, the test data root), its export and
// HTML files read back as text, and its printed pages read back from enhanced metafiles on A4.

#include "ControlDoubles.h"
#include "CoreTestEnv.h"
#include "ProjectBuilders.h"

#include "EngineFixture.h"
#include "pages/ControlMessages.h"
#include "plugin/ReportRegistry.h"

#include <string>

class ListReportTest : public ReportTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The export file's text after its byte-order mark; empty when the export answered nonzero.
    std::wstring ExportText(const ReportDefinition& report);
    // The HTML page written to `name` in a temporary folder (in the shared output folder for the
    // checks on the Linux side when `keep`); empty when the callback answered nonzero.
    std::wstring HtmlText(const ReportDefinition& report, const std::wstring& name, bool keep = false);
    // The print callback's answer; the pages stay in `engine`.
    int Print(const ReportDefinition& report);
    petest::PageRec Page(int page) { return petest::RecordPage(engine, page, dc.Get()); }
    // The texts of a page in drawing order, joined by "|".
    std::wstring PageTexts(int page);
    // Whether the page holds a horizontal line of that pen width.
    static bool HasRule(const petest::PageRec& page, int penWidth);

    rtest::CTempFolder folder;
    rtest::CA4PrinterCaps paper;
    CRKPrintEngine2* engine = nullptr;
    petest::MemoryDc dc;
};

// A report's option page made by its page callback in a host window, with the control stand-ins.
class ListPageTest : public ListReportTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The page of `report`, or null; the captions of the record are checked against the two texts.
    HWND CreatePage(const ReportDefinition& report, const wchar_t* caption, const wchar_t* caption2);
    std::wstring ItemText(int id) const;
    TDate PeriodDate(int side) const;
    void SetPeriodDate(int side, TDate date) const;
    HWND Tree() const;
    // Every root with its children: "Root(Child[x]Other[ ])Next(...)", [x] for a checked item (radio
    // items show [ ]).
    std::wstring Outline() const;
    // The first child item with that text; null when there is none.
    HTREEITEM Child(const std::wstring& text) const;
    void SetCheck(const std::wstring& text, bool checked) const;

    CTestHost host;
    HWND page = nullptr;
};
