#pragma once
// TDateTime: a day and a time of day; minute arithmetic carries into the day.

#include "TDate.h"
#include "TTime.h"

class TDateTime {
public:
    TDateTime();  // today and now
    TDateTime(const TDateTime&) = default;
    TDateTime(TDate d, int minutes, bool isEmpty);
    TDateTime& operator=(const TDateTime&) = default;
    virtual ~TDateTime() = default;

    TDateTime AddMinutes(int n);
    TDateTime SubtractMinutes(int n);

    TDate date;
    TTime time;

private:
    void Shift(long long n);
};
