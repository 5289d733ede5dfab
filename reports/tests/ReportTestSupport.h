#pragma once
// Helpers of the report plug-in's tests: the data library and the print engine loaded by name
// as the viewer loads them, a project built through the data API, folders and files, and a
// catcher that records message boxes and closes them.

#include "RKPrintEngine2.h"
#include "wqv2_data.h"
#include "MessageBoxCatcher.h"

#include <windows.h>

#include <string>
#include <vector>

namespace rtest {

// The folder of the running test program, with its trailing backslash.
std::wstring TestProgramFolder();
// The program folder of the build (build/bin), with its trailing backslash.
std::wstring BinFolder();
// A folder beside the test programs where tests leave files for the checks on the Linux side.
std::wstring OutputFolder();

std::string ReadBytes(const std::wstring& path);
// A UTF-16LE file after its byte-order mark (empty when the mark is missing).
std::wstring ReadUtf16(const std::wstring& path);
bool FileExists(const std::wstring& path);

// A fresh folder under the temporary folder, removed with everything in it at destruction.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// QV2D.dll with one data root for the whole test program; Fresh() empties it between tests.
class CData {
public:
    static wqv2_data::CData* Root();
    // The root emptied of every project item.
    static wqv2_data::CData* Fresh();
    // The sample project copied beside the tests (samples/sample.xml), opened read-only.
    static wqv2_data::CData* Sample();
};

// One unnamed transaction per call; null when the data library refused.
wqv2_data::CResource* AddResource(const wchar_t* name, int position, wqv2_data::CCalendar* calendar = nullptr);
wqv2_data::CTask* AddTask(wqv2_data::CResource* resource, const wchar_t* name, TDate d1, int m1, TDate d2, int m2);
// A daily series of `duration` minutes at `minute` from `start`, ending after `count` days.
wqv2_data::CRecurrence* AddDailySeries(wqv2_data::CResource* resource, const wchar_t* name, TDate start, int minute,
                                       int duration, int count);
wqv2_data::CFilter* AddFilter(const wchar_t* name, const std::vector<wqv2_data::CResource*>& excluded);
wqv2_data::CCalendar* AddCalendar(const wchar_t* name, const std::vector<int>& weekdayRanges);

// RKPrintEngine2.dll, loaded once; a fresh engine object per call of Engine().
CRKPrintEngine2* Engine();
void FreeEngine();

// Wine has no printer, and the print engine measures the paper through GetDeviceCaps of the
// attribute DC, which a memory DC answers with 0. While this lives, RKPrintEngine2.dll's import
// of GetDeviceCaps answers the paper questions as an A4 printer without unprintable border at
// the DC's resolution, and everything else from the DC itself.
class CA4PrinterCaps {
public:
    CA4PrinterCaps();
    ~CA4PrinterCaps();
    CA4PrinterCaps(const CA4PrinterCaps&) = delete;
    CA4PrinterCaps& operator=(const CA4PrinterCaps&) = delete;
    bool Active() const { return m_slot != nullptr; }

private:
    void** m_slot = nullptr; // the engine's import slot of GetDeviceCaps
    void* m_original = nullptr;
};

using qvtest::CMessageBoxCatcher;

// A day of 2026 by month and day.
inline TDate Day(unsigned month, unsigned day) { return TDate::FromYMD(month, 2026, day); }

} // namespace rtest
