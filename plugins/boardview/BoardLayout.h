#pragma once
// Where the board draws what: one row per shown resource (position order) with the bars of its
// task occurrences in the shown days, in pixels. Plain data, built from the data root.

#include "TDate.h"
#include "wqv2_data.h"

#include <string>
#include <vector>

struct CBoardBar {
    int left = 0;   // pixels from the left edge of the chart area
    int right = 0;
    std::wstring text;
    wqv2_data::Color background = 0;
    wqv2_data::Color foreground = 0;
};

struct CBoardRow {
    std::wstring name;
    wqv2_data::Color background = 0xFFFFFF;
    std::vector<CBoardBar> bars;
};

struct CBoardLayout {
    TDate firstDay = 0u;
    int days = 0;     // shown days from firstDay
    int dayWidth = 0; // pixels
    std::vector<CBoardRow> rows;

    // The project period from `firstDay` fitted into `chartWidth` pixels (at least kMinDayWidth
    // pixels a day, so a long period runs past the right edge).
    static constexpr int kMinDayWidth = 8;
    void Build(wqv2_data::CData* root, wqv2_data::CFilter* filter, TDate first, int chartWidth);
    // x of a moment (day and minute) in the chart area.
    int X(TDate day, int minute) const;
};

// The project's view period; today and the next four weeks when the project has none.
void ProjectPeriod(wqv2_data::CData* root, TDate& first, TDate& last);
