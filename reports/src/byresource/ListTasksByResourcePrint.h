#pragma once
// CRListTasksByResourcePrint: the tasks-by-resource report on printed pages: one table of all
// resources, or with one page per resource a section of its own for each, every section under
// its caption lines.

#include "byresource/ListTasksByResourceBase.h"
#include "output/RPrintBase.h"

class CRListTasksByResourcePrint : public CRListTasksByResourceBase, public CRPrintBaseEx {
public:
    CRListTasksByResourcePrint();

    int PrintBody(CRKPrintEngine2* engine) override;
    // The caption lines of the section being printed.
    int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values) override;
    // The period line, the filter line (with a report filter or ReportsFilterShowAlways) and, for
    // a section of one entry, the line naming its resource or the total; the number of lines.
    int GetHeaderInfo(std::vector<std::wstring>& labels, std::vector<std::wstring>& values,
                      const std::vector<wqv2_data::CResource*>& section) const;

private:
    // 0, or the failure result of a page the engine could not add.
    int PrintSection(CRKPrintEngine2* engine, const std::vector<wqv2_data::CResource*>& entries);
    int PrintTable(CRKPrintEngine2* engine, const std::vector<wqv2_data::CResource*>& entries, int top);

    std::vector<wqv2_data::CResource*> m_section; // the entries of the section being printed
};
