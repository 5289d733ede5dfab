#pragma once
// The report print path: the process-wide print state (the report being printed, remembered by
// its place in the registration list, and the page count of its last build), starting a print
// or a preview of it, and running the report chosen in the reports dialog.

#include "QV2PluginInterface.h"

class CMainFrame;

struct CReportPrintState {
    int reportIndex = -1; // index into the plug-in host's report registrations; -1 none
    int pageCount = 0;    // pages of the last document built for printing; 0 none yet
};

CReportPrintState& ReportPrintState();
// The remembered report's registration, or null.
const ReportRegistration* RememberedReport();

// The report's orientation: its callback's answer (low 16 bits); portrait without one or without
// a report.
int ReportOrientation(const ReportRegistration* report);
// Writes an orientation (1 portrait, 2 landscape) into the application's printer settings, which
// the print set-up shows and every later job uses. Any other value leaves them as they are.
void ApplyPrinterOrientation(int orientation);
// ApplyPrinterOrientation of the report's orientation.
void ApplyReportOrientation(const ReportRegistration* report);

// Remembers the report (page count reset) and prints it, or shows its print preview
// (message 61705 when the preview cannot start, the no-memory message when memory is why).
void StartReportPrint(CMainFrame& frame, bool preview, int reportIndex);

// Runs the report named by "ReportsSelectedReport" with the output of "ReportsOutput"
// (0 printer or preview, 1 export, 2 HTML) between the begin- and end-report broadcasts.
// false (with a message when "ReportsShowErrorMessages") when it is unknown or failed.
bool RunSelectedReport(CMainFrame& frame);
