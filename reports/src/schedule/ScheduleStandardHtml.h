#pragma once
// CRScheduleStandardHtml: the schedule chart as an HTML page whose body is a column of PNG
// pictures: the chart drawn in pixels on memory bitmaps, cut into tiles of whole rows (the
// first with the time bar) so that no picture holds more pixels than ReportsHtmlImageSizeMax;
// columns that do not fit are cut off the end of the period.

#include "output/RHtmlBase.h"
#include "schedule/ScheduleStandardBase.h"

class CDrawBase;
class CPngQueue;

class CRScheduleStandardHtml : public CRHtmlBaseEx {
public:
    CRScheduleStandardHtml();

    // 0 written. A page or picture that cannot be written (message 10200), or not even one
    // column that fits the picture size limit (string 40630; nothing written), gives the
    // message's result (ShowReportError); an empty path or a bitmap that cannot be made gives 1,
    // which the host tells.
    int Html(const wchar_t* path) override;

    CRScheduleStandardBase Report;
    std::wstring FontFace;   // ViewFontSchedule, else string 21100
    int ColumnsMax = 1000;   // ReportsScheduleStandardHtmlColumnsMax; 0 or less: no limit
    int ImageWidth = 1;      // pixels, computed by Html

private:
    struct TileBitmap;
    // Draws rows [firstRow, firstRow + rowCount) (under the time bar on tile 0) on `bitmap`,
    // made anew when its height differs; false when it cannot be made.
    bool DrawTile(HDC dc, CDrawBase& surface, TileBitmap& bitmap, int index, int firstRow, int rowCount);
    // Waits for the pictures before `upTo` not yet settled: 0 when all were written, else the
    // result of the message (10200) for the first that was not.
    int SettlePictures(CPngQueue& queue, const std::vector<std::wstring>& pictures, int upTo);

    int m_settled = 0; // pictures whose outcome SettlePictures has taken
};
