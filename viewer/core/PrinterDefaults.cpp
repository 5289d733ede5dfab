// Printer defaults from the settings.
#include "PrinterDefaults.h"

#include "Settings.h"
#include "fw/App.h"

CPrinterDefaults ReadPrinterDefaults()
{
    CPrinterDefaults defaults;
    defaults.paperSize = static_cast<short>(GetIntSetting(L"ReportsPrinterDefaultPaperSize", 0) & 0xFFFF);
    defaults.paperWidth = static_cast<short>(GetIntSetting(L"ReportsPrinterDefaultPaperWidth", 0) & 0xFFFF);
    defaults.paperLength = static_cast<short>(GetIntSetting(L"ReportsPrinterDefaultPaperLength", 0) & 0xFFFF);
    defaults.duplex = static_cast<short>(GetIntSetting(L"ReportsPrinterDefaultDuplex", 0) & 0xFFFF);
    return defaults;
}

bool ApplyPrinterDefaultsTo(DEVMODEW& mode, const CPrinterDefaults& defaults)
{
    bool changed = false;
    // A driver reads only the fields whose bit is set, so each change marks its field.
    if (defaults.paperSize) {
        mode.dmPaperSize = defaults.paperSize;
        mode.dmFields |= DM_PAPERSIZE;
        changed = true;
    }
    if (defaults.paperLength && defaults.paperWidth) {
        mode.dmPaperLength = defaults.paperLength;
        mode.dmPaperWidth = defaults.paperWidth;
        mode.dmFields |= DM_PAPERLENGTH | DM_PAPERWIDTH;
        changed = true;
    }
    if (defaults.duplex) {
        mode.dmDuplex = defaults.duplex;
        mode.dmFields |= DM_DUPLEX;
        changed = true;
    }
    return changed;
}

void ApplyPrinterDefaults()
{
    const CPrinterDefaults defaults = ReadPrinterDefaults();
    fw::CApp* app = fw::CApp::Current();
    if (!defaults.Any() || !app)
        return;
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    if (!app->GetPrinterDeviceDefaults(devMode, devNames))
        return;
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode))) {
        ApplyPrinterDefaultsTo(*mode, defaults);
        GlobalUnlock(devMode);
    }
}
