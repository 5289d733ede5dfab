#include "PrinterDefaults.h"

#include "ProcessObjects.h"
#include "Settings.h"

#include <gtest/gtest.h>

namespace {

DEVMODEW Mode()
{
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_ORIENTATION;
    mode.dmPaperSize = DMPAPER_A4;
    mode.dmPaperWidth = 2100;
    mode.dmPaperLength = 2970;
    mode.dmDuplex = DMDUP_SIMPLEX;
    return mode;
}

TEST(PrinterDefaults, ApplyPrinterDefaultsTo_zeroKeepsThePrinter)
{
    DEVMODEW mode = Mode();
    EXPECT_FALSE(ApplyPrinterDefaultsTo(mode, CPrinterDefaults{}));
    EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_ORIENTATION));
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_A4);
}

TEST(PrinterDefaults, ApplyPrinterDefaultsTo_widthNeedsLength)
{
    DEVMODEW mode = Mode();
    CPrinterDefaults defaults;
    defaults.paperWidth = 2000;
    EXPECT_FALSE(ApplyPrinterDefaultsTo(mode, defaults));
    EXPECT_EQ(mode.dmPaperWidth, 2100);
    EXPECT_EQ(mode.dmPaperLength, 2970);
    EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_ORIENTATION));
}

TEST(PrinterDefaults, ApplyPrinterDefaultsTo_marksEveryChangedField)
{
    DEVMODEW mode = Mode();
    CPrinterDefaults defaults;
    defaults.paperSize = DMPAPER_LETTER;
    defaults.paperWidth = 2000;
    defaults.paperLength = 3000;
    defaults.duplex = DMDUP_VERTICAL;
    EXPECT_TRUE(ApplyPrinterDefaultsTo(mode, defaults));
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_LETTER);
    EXPECT_EQ(mode.dmPaperWidth, 2000);
    EXPECT_EQ(mode.dmPaperLength, 3000);
    EXPECT_EQ(mode.dmDuplex, DMDUP_VERTICAL);
    EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH |
                                                DM_DUPLEX));
}

TEST(PrinterDefaults, ReadPrinterDefaults_takesTheLow16Bits)
{
    CProcessObjects objects;
    SetSetting(L"ReportsPrinterDefaultPaperSize", L"65545"); // 65536 + 9
    SetSetting(L"ReportsPrinterDefaultDuplex", L"65536");
    const CPrinterDefaults defaults = ReadPrinterDefaults();
    EXPECT_EQ(defaults.paperSize, 9);
    EXPECT_EQ(defaults.duplex, 0);
    EXPECT_TRUE(defaults.Any());
}

} // namespace
