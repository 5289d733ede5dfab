#pragma once
// Registration of the viewer's own two report option pages (printer, then export) at start-up,
// before the plug-ins register theirs.

void RegisterBuiltInReportOptionPages();
