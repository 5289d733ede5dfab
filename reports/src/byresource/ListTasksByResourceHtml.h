#pragma once
// CRListTasksByResourceHtml: the tasks-by-resource report as an HTML page, or with one page per
// resource as numbered sub-pages beside an index page that links them.

#include "byresource/ListTasksByResourceBase.h"
#include "output/RHtmlBase.h"

class CHtmlWriter;

class CRListTasksByResourceHtml : public CRListTasksByResourceBase, public CRHtmlBaseEx {
public:
    CRListTasksByResourceHtml();

    int Html(const wchar_t* path) override { return WriteHtml(path); }
    // The page (or the sub-pages and then the index page); 0 written, else the first failure.
    int WriteHtml(const wchar_t* path);
    // The period line and, with a report filter or ReportsFilterShowAlways, the filter line.
    std::wstring GetHeadingBlock() override;

private:
    int WritePage(const std::wstring& path, const std::vector<wqv2_data::CResource*>& entries, bool subPage);
    int WriteIndexPage(const std::wstring& path);
    // The table of the entries, row by row.
    void WriteTable(CHtmlWriter& page, const std::vector<wqv2_data::CResource*>& entries);
    std::wstring ExtraStyles() const;
};
