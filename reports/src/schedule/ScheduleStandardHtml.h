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

    // 0 written; 1 for a file or picture that cannot be made or written (the picture's with
    // message 10200); 2 when not even one column fits the picture size limit (nothing written).
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
    // Waits for the pictures before `upTo` not yet settled; false (after the message) when one
    // could not be written.
    bool SettlePictures(CPngQueue& queue, const std::vector<std::wstring>& pictures, int upTo);

    int m_settled = 0; // pictures whose outcome SettlePictures has taken
};
