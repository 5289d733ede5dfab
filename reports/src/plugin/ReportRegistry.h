#pragma once
// The reports of the plug-in as the host sees them: one definition per report (strings, settings
// prefix, group and callbacks), their registration with the host and the fan-out of the
// settings-file load and save to every report.

#include "QV2PluginInterface.h"

#include <cstdint>
#include <vector>

struct ReportDefinition {
    UINT nameId;                    // name string; the description is the string after it
    const wchar_t* prefix;          // settings prefix of the report and its settings-file section
    int16_t group;                  // 1 schedule chart, 3 task lists, 4 other lists
    bool takesFilter;               // false: registered without the SetFilter callback
    ReportPrintFn print;            // each output callback is null until the report has it
    ReportFileFn exportFile;
    ReportFileFn html;
    ReportOrientationFn orientation;
    ReportCreatePageFn createPage;
    // Keys copied to and from the settings file besides <prefix>Title, <prefix>TitleEmpty and
    // <prefix>PrinterOrientation: full names, ending with null; the list may be null.
    const wchar_t* const* moreKeys;
    // A report whose keys do not begin with those three, or whose settings file is read in
    // another order than it is written, lists every key itself: full names, ending with null.
    // When set, these replace the three keys and `moreKeys` for loading and for saving.
    const wchar_t* const* loadKeys = nullptr;
    const wchar_t* const* saveKeys = nullptr;
};

// The seven reports in registration order; the definitions live as long as the process.
const std::vector<const ReportDefinition*>& ReportDefinitions();

// Registers every report with "RegisterReport"; the host's answers are not examined. Returns 1.
int RegisterReports();

// Copies each report's keys between the settings file (or the profile for an empty name) and
// the host's store, report by report in registration order.
void LoadReportSettings(const wchar_t* iniFile);
void SaveReportSettings(const wchar_t* iniFile);

// The printer orientation of a report: <prefix>PrinterOrientation when it is 1 (portrait) or 2
// (landscape), else the report's default.
int GetReportOrientation(const wchar_t* prefix, int fallback);
