#pragma once
// How the schedule chart is cut for its outputs: picture tiles of whole rows for the HTML page
// and strips of whole columns on print-engine pages. Plain arithmetic in drawing units.

#include <vector>

// Rows [firstRow, firstRow + rowCount) of one picture; the first picture also holds the time bar.
struct PictureTile {
    int firstRow = 0;
    int rowCount = 0;
};

// Tiles of at most `largestPicture` pixels each, the full chart width wide. Every tile holds at
// least one row; a chart without rows gives one tile with the time bar.
std::vector<PictureTile> ComputePictureTiles(int largestPicture, int pictureWidth, int timeBarHeight, int rowHeight,
                                             int rowCount);

// One printed piece: columns and rows of the chart drawn at `top` of page `page` (0-based).
struct ChartPageRecord {
    int page = 0;
    int top = 0;
    int firstColumn = 0;
    int columnCount = 0;
    int firstRow = 0;
    int rowCount = 0;
};

struct ChartPageGeometry {
    int usableWidth = 0;
    int nameColumnWidth = 0;
    int columnWidth = 1;
    int columnCount = 0;
    int chartTop = 0;      // below the header and the caption
    int bodyBottom = 0;
    int timeBarHeight = 0;
    int rowHeight = 1;
    int rowCount = 0;
    bool fullPage = false; // pack strips on a page while the time bar and a row fit
    int fullPageDistance = 75;
};

// Strips of whole columns that fit the usable width (at least one column each, at least one
// strip), each strip's rows over as many pages as they need (at least one row a page).
std::vector<ChartPageRecord> ComputeChartPages(const ChartPageGeometry& g);
