#pragma once
// CRListTasksDefaultHtml: the task list as an HTML page: the period (and filter) lines, a table
// of the listed occurrences with an optional sum row, and the footnote on values cut to the
// period.

#include "output/RHtmlBase.h"
#include "tasklist/ListTasksDefaultBase.h"

class CHtmlWriter;

class CRListTasksDefaultHtml : public CRListTasksDefaultBase, public CRHtmlBaseEx {
public:
    CRListTasksDefaultHtml();

    // The page; 0 written, 1 not.
    int Html(const wchar_t* path) override;
    // The period line and, with a report filter or ReportsFilterShowAlways, the filter line.
    std::wstring GetHeadingBlock() override;

private:
    // The table, row by row, adding up the sums as it goes.
    void WriteTable(CHtmlWriter& page);
};
