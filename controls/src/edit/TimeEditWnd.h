#pragma once
// CTimeEditWnd: the frame of the time edit and of each end of the time period. Steps wrap
// around midnight; as the later end of a period, 0:00 stands for the end of the day.

#include "edit/EditExCtlTemplate.h"

#include "TTime.h"

namespace rkcc {

class CTimeEditWnd : public CEditExCtlTemplate<TTime> {
public:
    CTimeEditWnd();

    void ReadValue(TTime& value) const override;
    void WriteValue(const TTime& value) override;
    void Step(TTime& value, bool up) const override;
    bool KeepsOrder(const TTime& earlier, const TTime& later) const override;

    // Message forms: minutes, -1 = empty or no limit.
    void SetTimeMinutes(int minutes); // negative writes an empty text
    int GetTimeMinutes() const; // the value a commit would leave, text untouched
    int GetRawTimeMinutes() const;
    void SetLimitMinutes(bool maximum, int minutes); // negative removes the limit; then re-limits
    int GetLimitMinutes(bool maximum) const;
    void SetStepMinutes(long long minutes);
};

} // namespace rkcc
