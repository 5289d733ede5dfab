#pragma once
// CRHolidaysHtml: the holidays of the period as an HTML page: the period, then a table of
// weekday, date and name, or a line saying the period has none.

#include "holidays/HolidaysBase.h"
#include "output/RHtmlBase.h"

class CRHolidaysHtml : public CRHolidaysBase, public CRHtmlBaseEx {
public:
    CRHolidaysHtml();
    int Html(const wchar_t* path) override;
};
