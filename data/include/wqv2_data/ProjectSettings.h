#pragma once
// wqv2_data::CProjectSettings: the project-wide view settings and the user-defined field
// definitions. One object per data root, owned by the root.

#include "Types.h"

namespace wqv2_data {

// Index into CProjectSettings::Scale.
constexpr int kScaleUnit = 0;  // 1-6: minutes, hours, days, weeks, months, years
constexpr int kScaleCount = 1; // units per step, above 0

class CProjectSettings {
public:
    CData* Data = nullptr; // not owned
    TDate DateStart = 0u;  // shown period
    TDate DateEnd = 0u;
    int TimeStart = 0;     // shown daily range, minutes 0-1439
    int TimeEnd = 0;
    int Scale[2] = {3, 1}; // unit and count
    bool VisibleWeekdays[7] = {true, true, true, true, true, true, true}; // 0 Monday
    // Background colours of the days: 0-6 Monday to Sunday, 7 holidays. The same storage is
    // reachable by name: WeekdayColors[0-6] and Holidays.
    union {
        Color DayColors[8];
        struct {
            Color WeekdayColors[7];
            Color Holidays;
        };
    };
    Color NonWorkingTime = 0xFFFFFF;
    Color MonthsOdd = 0xFFFFFF;
    Color MonthsEven = 0xE0E0E0;
    int FreezeResources = 0;
    const wchar_t* Currency = nullptr; // owned, never null once constructed; set with SetCurrency
    int TaskTextOrientation = 0;
    bool GridlinesVertical = true;

    // Definitions of kind kUserFieldsResource or kUserFieldsTask; call MarkModified first.
    virtual int AddUserField(int kind, const wchar_t* name, const wchar_t* type) = 0;
    virtual int RenameUserField(int kind, const wchar_t* oldName, const wchar_t* newName, const wchar_t* type) = 0;
    virtual int RemoveUserField(int kind, const wchar_t* name) = 0;
    virtual int ReorderUserFields(int kind, const wchar_t** names, int count) = 0;
    virtual int GetUserFieldCount(int kind) = 0; // -1 for another kind
    virtual const wchar_t* GetUserFieldName(int kind, int index) = 0;
    virtual const wchar_t* GetUserFieldType(int kind, int index) = 0;
    virtual int MarkModified() = 0;
    virtual ~CProjectSettings() = default;
    virtual const wchar_t* SetCurrency(const wchar_t* text) = 0;

protected:
    CProjectSettings()
        : DayColors{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x80FFC0, 0x80FFFF}
    {
    }
};

} // namespace wqv2_data
