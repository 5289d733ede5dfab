// Holidays report: export.
#include "holidays/HolidaysExport.h"

#include "QV2ResVReportIds.h"

int CRHolidaysExport::Export(const wchar_t* path)
{
    if (const int opened = BeginWrite(path); opened != 0)
        return opened;
    AddResourceText(IDS_HOLIDAYS_COLUMN_DATE);
    AddResourceText(IDS_HOLIDAYS_COLUMN_NAME);
    std::vector<wqv2_data::CHoliday*> holidays;
    GetHolidays(holidays);
    for (const wqv2_data::CHoliday* holiday : holidays) {
        NewRow();
        AddDate(holiday->Date);
        AddText(holiday->Name);
    }
    return Write(path);
}
