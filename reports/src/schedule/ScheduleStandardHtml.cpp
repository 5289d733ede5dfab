// Schedule chart: HTML page with PNG pictures.
#include "schedule/ScheduleStandardHtml.h"

#include "chart/BitmapChartSurface.h"
#include "chart/ChartPages.h"
#include "common/ReportMessages.h"
#include "common/ReportSettings.h"
#include "output/HtmlWriter.h"
#include "output/PngQueue.h"

#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/Gdi.h"
#include "fw/Resources.h"

#include <algorithm>

namespace {

// Writers beside the drawing: compressing a tile takes several times as long as drawing it.
// Each writer holds one tile bitmap.
constexpr int kMostWriters = 7;

// A memory device context compatible with the screen, deleted on exit.
class CMemoryDC {
public:
    CMemoryDC() : m_dc(CreateCompatibleDC(nullptr)) {}
    ~CMemoryDC()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

} // namespace

// The bitmap of the tiles: most of them are the same height, and a new bitmap of millions of
// pixels for each costs more than clearing the last one.
struct CRScheduleStandardHtml::TileBitmap {
    fw::CGdiObject<HBITMAP> bitmap;
    BITMAPINFOHEADER header{};
    void* pixels = nullptr;
    int height = 0;
};

CRScheduleStandardHtml::CRScheduleStandardHtml()
    : Report(ReadHtmlOutputSettings()), FontFace(fw::LoadResString(IDS_SCHEDULE_FONT_FACE))
{
    ReadTextSetting(L"ReportsScheduleStandardTitle", Title);
    ReadTextSetting(L"ViewFontSchedule", FontFace);
    ColumnsMax = GetIntSetting(L"ReportsScheduleStandardHtmlColumnsMax", ColumnsMax);
}

int CRScheduleStandardHtml::Html(const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    CMemoryDC dc;
    // The system has no memory even for a device context.
    if (!dc.Get())
        return ShowOutOfMemory(path);
    CBitmapChartSurface surface(dc.Get(), FontFace);
    CScheduleChart& chart = Report.Chart;
    chart.Layout(surface, Report.Output.sizes);

    // As many columns as a picture of the size limit holds beside the label column; settled
    // before the page is made, so a chart that does not fit leaves no file behind.
    const int timeBarHeight = chart.GetTimeBarHeight();
    const int lineHeight = std::max({timeBarHeight, chart.GetRowHeight(), 1});
    const int widest = LargestPicture / lineHeight;
    const int fit = (widest - chart.GetNameColumnWidth()) / std::max(1, chart.GetColumnWidth());
    if (fit <= 0) {
        // The message says why there is no page; its result keeps the host from adding its own.
        return ShowReportError(msgfmt::Format(fw::LoadResString(IDS_SCHEDULE_HTML_NO_COLUMN),
                                              {path, LargestPicture, lineHeight, widest, chart.GetNameColumnWidth(),
                                               chart.GetColumnWidth()}));
    }
    int columns = std::min(chart.GetColumnCount(), fit);
    if (ColumnsMax > 0)
        columns = std::min(columns, ColumnsMax);
    chart.CutColumns(columns);
    ImageWidth = std::max(1, chart.GetPieceWidth(chart.GetColumnCount()));

    CHtmlWriter page;
    if (const int result = OpenPage(page, path))
        return result;
    std::wstring& out = page.Text();
    if (const int result = BeginHtml(out, L""))
        return result;
    if (Report.ShowsFilterCaption())
        AddFilterSubtitle(out);
    page.Commit();

    chart.BuildRows(Report.SkipEmpty);
    const std::vector<PictureTile> tiles =
        ComputePictureTiles(LargestPicture, ImageWidth, timeBarHeight, chart.GetRowHeight(), chart.GetRowCount());
    PictureCount = static_cast<int>(tiles.size());
    // Workers write the pictures while the next ones are drawn, each tile on a bitmap of its own
    // until its file is done. The bitmaps, made first, outlive the queue's jobs; each is made
    // when first drawn on, and only the workers that started get one beside the drawing's.
    const int threads = tiles.size() > 1 ? CPngQueue::ThreadsFor(kMostWriters) : 0;
    std::vector<TileBitmap> bitmaps(static_cast<size_t>(threads) + 1);
    CPngQueue queue(threads);
    std::vector<std::wstring> pictures;
    m_settled = 0;
    int slots = queue.Threads() + 1;
    for (int k = 0; k < PictureCount;) {
        // The bitmap's last tile must be written before it is drawn on again.
        if (k >= slots) {
            if (const int result = SettlePictures(queue, pictures, k - slots + 1))
                return result;
        }
        TileBitmap& bitmap = bitmaps[static_cast<size_t>(k % slots)];
        if (DrawTile(dc.Get(), surface, bitmap, k, tiles[static_cast<size_t>(k)].firstRow,
                     tiles[static_cast<size_t>(k)].rowCount)) {
            pictures.push_back(AddImageReference(out, ImageWidth, bitmap.height, path, k));
            queue.Add(pictures.back(), bitmap.header, bitmap.pixels);
            page.Commit();
            ++k;
            continue;
        }
        // A 32-bit process may not find room for one more bitmap where fewer fit: once the
        // queued pictures are written, the tile is drawn again with fewer bitmaps, down to one.
        if (const int result = SettlePictures(queue, pictures, k))
            return result;
        // Not even one bitmap: the memory for its pixels is not there.
        if (slots == 1)
            return ShowOutOfMemory(path);
        int made = 0;
        for (TileBitmap& other : bitmaps) {
            made += other.bitmap.Get() ? 1 : 0;
            other.bitmap.Reset();
            other.height = 0;
        }
        slots = std::clamp(made, 1, slots - 1);
    }
    if (const int result = SettlePictures(queue, pictures, PictureCount))
        return result;
    if (const int result = EndHtml(out))
        return result;
    return FinishPage(page, path);
}

bool CRScheduleStandardHtml::DrawTile(HDC dc, CDrawBase& surface, TileBitmap& bitmap, int index, int firstRow,
                                      int rowCount)
{
    CScheduleChart& chart = Report.Chart;
    ChartPiece piece;
    piece.firstColumn = 0;
    piece.columnCount = chart.GetColumnCount();
    piece.firstRow = firstRow;
    piece.rowCount = rowCount;
    piece.top = 0;
    piece.withTimeBar = index == 0;
    piece.frame = ChartPiece::kPictureFrame;
    const int height = std::max(1, rowCount * chart.GetRowHeight() + (piece.withTimeBar ? chart.GetTimeBarHeight() : 0));
    if (!bitmap.bitmap.Get() || bitmap.height != height) {
        bitmap.bitmap.Reset();
        bitmap.height = 0;
        bitmap.bitmap.Reset(CreateImageBitmap(dc, ImageWidth, height, bitmap.header, bitmap.pixels));
        if (!bitmap.bitmap.Get())
            return false;
        bitmap.height = height;
    }
    fw::CSelectObject selected(dc, bitmap.bitmap.Get());
    PatBlt(dc, 0, 0, ImageWidth, height, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    chart.DrawPiece(surface, piece);
    // The pixels are read directly: everything queued for the bitmap must be drawn first.
    GdiFlush();
    return true;
}

int CRScheduleStandardHtml::SettlePictures(CPngQueue& queue, const std::vector<std::wstring>& pictures, int upTo)
{
    // In picture order, as if each were written before the next was drawn: the written ones
    // join the created files, and the first that was not ends the page with its message.
    for (; m_settled < upTo; ++m_settled) {
        if (queue.Wait(m_settled)) {
            CreatedFiles.push_back(pictures[static_cast<size_t>(m_settled)]);
            continue;
        }
        // Pictures after it would not have been made: those already written are deleted.
        for (int later = m_settled + 1; later < queue.Count(); ++later)
            if (queue.Wait(later))
                DeleteFileW(pictures[static_cast<size_t>(later)].c_str());
        LastPicturePath = pictures[static_cast<size_t>(m_settled)];
        return queue.RanOutOfMemory(m_settled) ? ShowOutOfMemory(LastPicturePath.c_str())
                                               : ShowFileError(LastPicturePath);
    }
    return 0;
}
