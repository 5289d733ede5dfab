// Picture tiles and printed strips of the schedule chart.
#include "chart/ChartPages.h"

#include <algorithm>

std::vector<PictureTile> ComputePictureTiles(int largestPicture, int pictureWidth, int timeBarHeight, int rowHeight,
                                             int rowCount)
{
    const int tallest = largestPicture / std::max(1, pictureWidth);
    const int row = std::max(1, rowHeight);
    const int first = std::max(1, (tallest - timeBarHeight) / row);
    const int later = std::max(1, tallest / row);
    std::vector<PictureTile> tiles;
    if (rowCount <= 0) {
        tiles.push_back({0, 0});
        return tiles;
    }
    for (int placed = 0; placed < rowCount;) {
        const int n = std::min(tiles.empty() ? first : later, rowCount - placed);
        tiles.push_back({placed, n});
        placed += n;
    }
    return tiles;
}

std::vector<ChartPageRecord> ComputeChartPages(const ChartPageGeometry& g)
{
    const int width = std::max(1, g.columnWidth);
    const int rowHeight = std::max(1, g.rowHeight);
    const int perStrip = std::max(1, (g.usableWidth - g.nameColumnWidth) / width);
    const int columns = std::max(0, g.columnCount);
    const int rows = std::max(0, g.rowCount);
    const int strips = std::max(1, (columns + perStrip - 1) / perStrip);
    std::vector<ChartPageRecord> records;
    int y = g.chartTop;
    int page = 0;
    for (int s = 0; s < strips; ++s) {
        const int firstColumn = s * perStrip;
        const int count = std::min(perStrip, columns - firstColumn);
        int row = 0;
        int n = 0;
        for (;;) {
            int fit = (g.bodyBottom - y - g.timeBarHeight) / rowHeight;
            if (y == g.chartTop && fit <= 0)
                fit = 1;
            n = std::max(0, std::min(fit, rows - row));
            records.push_back({page, y, firstColumn, std::max(0, count), row, n});
            row += n;
            if (row >= rows)
                break;
            ++page;
            y = g.chartTop;
        }
        y += g.timeBarHeight + n * rowHeight + g.fullPageDistance;
        if (s + 1 == strips)
            break;
        const bool packs = g.fullPage && g.bodyBottom - y >= g.timeBarHeight + rowHeight;
        if (!packs) {
            ++page;
            y = g.chartTop;
        }
    }
    return records;
}
