#pragma once
// CRBase: the base of every report output object. It carries the report's title and the moment
// the report was made, and expands the placeholders of titles, headers and footers. An output
// object lives on the stack of one output callback.

#include "TDate.h"
#include "TTime.h"

#include <string>

class CRBase {
public:
    CRBase();
    virtual ~CRBase() = default;
    CRBase(const CRBase&) = delete;
    CRBase& operator=(const CRBase&) = delete;

    // The text with "%ds" (date text), "%dl" (long date), "%ts" (time text), "%pc" (page),
    // "%pt" (page count) and "%ti" (title) replaced, token after token in that order. Inserted
    // text is not searched again for the token that inserted it.
    std::wstring ExpandPlaceholders(const std::wstring& text, int page, int pageCount) const;

    std::wstring Title;  // empty until the report sets it from its title setting
    TDate ReportDate;    // today at construction
    TTime ReportTime;    // the time of day at construction
};
