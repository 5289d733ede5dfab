#pragma once
// CRListTasksDefaultPrint: the task list on printed pages: a table of the listed occurrences
// under the caption lines (period and filter), with an optional sum row and the footnote on
// values cut to the period.

#include "output/RPrintBase.h"
#include "tasklist/ListTasksDefaultBase.h"

class CRListTasksDefaultPrint : public CRListTasksDefaultBase, public CRPrintBaseEx {
public:
    CRListTasksDefaultPrint();

    int PrintBody(CRKPrintEngine2* engine) override;
    // The period line and, with a report filter or ReportsFilterShowAlways, the filter line.
    int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values) override;

    // Relative widths of the columns, left to right. They follow one fixed order (name,
    // resource, start, end, the value columns shown, notes) whatever the column order.
    std::vector<double> ColumnWeights() const;

private:
    // 0, or the failure result of a page the engine could not add.
    int PrintTable(CRKPrintEngine2* engine, int top);
};
