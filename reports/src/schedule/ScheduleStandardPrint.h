#pragma once
// CRScheduleStandardPrint: the schedule chart on print-engine pages: cut into vertical strips
// of whole columns that fit the page width, each strip's rows spread over as many pages as
// they need (or packed one strip after another with FullPage), each piece drawn with its time
// bar, labels, task bars and frame under the filter caption. Lengths are tenths of a
// millimetre.

#include "chart/ChartPages.h"
#include "output/RPrintBase.h"
#include "schedule/ScheduleStandardBase.h"

class CRScheduleStandardPrint : public CRPrintBaseEx {
public:
    CRScheduleStandardPrint();

    // 0; or, when the engine cannot add a page (out of memory), the result of the report's
    // failure message (ShowOutOfMemory).
    int PrintBody(CRKPrintEngine2* engine) override;
    // The filter line when the report shows it (ShowsFilterCaption).
    int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values) override;

    CRScheduleStandardBase Report;
    bool FullPage = false;          // ReportsScheduleStandardPrinterFullPage
    int FullPageDistance = 75;      // ReportsScheduleStandardPrinterFullPageDistance
    int ChartTop = 0;               // computed by PrintBody
    std::vector<ChartPageRecord> Pieces; // computed by PrintBody, in printing order
};
