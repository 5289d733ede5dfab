#pragma once
// Printer defaults from the settings "ReportsPrinterDefault..." applied to the application's
// printer settings at start-up.

#include <windows.h>

struct CPrinterDefaults {
    short paperSize = 0;   // each the low 16 bits of its setting; 0 keeps the printer's own
    short paperWidth = 0;
    short paperLength = 0;
    short duplex = 0;

    bool Any() const { return paperSize || paperWidth || paperLength || duplex; }
};

// The four settings, each cut to its low 16 bits.
CPrinterDefaults ReadPrinterDefaults();
// Changes the device mode in place: paper size when set; width and length only when both are
// set; duplex when set. Each changed field gets its bit in dmFields. true when anything changed.
bool ApplyPrinterDefaultsTo(DEVMODEW& mode, const CPrinterDefaults& defaults);
// Applies the settings to the application's default printer settings, when any is set and a
// printer exists.
void ApplyPrinterDefaults();
