// Builds the sample project (a small joinery's March 2026: people, a machine, a room and a van
// with their calendars, the year's holidays, tasks with costs and user-field values, daily,
// weekly, monthly and yearly series, two filters) through QV2D.dll, bound by name as the viewer
// binds it, and saves it bare and zipped. The files are exactly what the library writes.
//
//   make_sample.exe <folder>   writes <folder>\sample.xml and <folder>\sample.wqv
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

// The library needs a store; the sample's edits are unnamed and leave no records.
class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord*, bool) override { return false; }
    bool PushRedo(const wqv2_undo::UndoRecord*) override { return false; }
};

TDate Day(unsigned month, unsigned day) { return TDate::FromYMD(month, 2026, day); }
constexpr int Hm(int hours, int minutes) { return hours * 60 + minutes; }
constexpr Color Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

class SampleBuilder {
public:
    explicit SampleBuilder(CData* root) : m_root(root) {}

    bool Build()
    {
        return Settings() && Calendars() && Holidays() && Resources() && Tasks() && Series() && Filters();
    }

private:
    bool Step(const char* what, bool ok)
    {
        if (!ok) {
            std::fprintf(stderr, "make_sample: %s failed\n", what);
            m_root->Rollback();
        }
        return ok;
    }
    bool Begin() { return Step("BeginTransaction", m_root->BeginTransaction(L"") == 0); }
    bool Commit(const char* what) { return Step(what, m_root->Commit() == 0); }

    bool Settings()
    {
        CProjectSettings* s = m_root->ProjectSettings;
        if (!Begin() || !Step("settings", s->MarkModified() == 0))
            return false;
        s->DateStart = Day(3, 1);
        s->DateEnd = Day(3, 31);
        s->TimeStart = Hm(6, 0);
        s->TimeEnd = Hm(22, 0);
        s->Scale[kScaleUnit] = 3;
        s->Scale[kScaleCount] = 1;
        s->VisibleWeekdays[6] = false; // Sundays are never worked
        s->WeekdayColors[5] = Rgb(240, 240, 255);
        s->FreezeResources = 1;
        s->SetCurrency(L"EUR");
        s->GridlinesVertical = true;
        const bool fields = s->AddUserField(kUserFieldsResource, L"Cost centre", L"") == 0 &&
                            s->AddUserField(kUserFieldsResource, L"Hourly rate", L"QV2UDFDecimal") == 0 &&
                            s->AddUserField(kUserFieldsTask, L"Order number", L"QV2UDFInt") == 0 &&
                            s->AddUserField(kUserFieldsTask, L"Due date", L"QV2UDFDate") == 0 &&
                            s->AddUserField(kUserFieldsTask, L"Drawing", L"QV2UDFHyperlink") == 0 &&
                            s->AddUserField(kUserFieldsTask, L"Remarks", L"QV2UDFTextMultiple") == 0;
        return Step("user fields", fields) && Commit("settings");
    }

    CCalendar* NewCalendar(const wchar_t* name, int position)
    {
        CCalendar* c = m_root->Calendars->CreateNew();
        c->SetName(name);
        c->Position = position;
        static const int kNone[1] = {0};
        for (unsigned list = 0; list < 8; ++list)
            c->SetWorkingTimes(list, kNone, 0);
        return c;
    }

    bool Calendars()
    {
        if (!Begin())
            return false;
        static const int kOffice[] = {Hm(8, 0), Hm(12, 0), Hm(13, 0), Hm(17, 0)};
        static const int kFriday[] = {Hm(8, 0), Hm(14, 0)};
        m_office = NewCalendar(L"Office hours", 1);
        for (unsigned day = 0; day < 4; ++day)
            m_office->SetWorkingTimes(day, kOffice, 2);
        m_office->SetWorkingTimes(4, kFriday, 1);
        m_office->HolidayRule = 0;

        static const int kShifts[] = {Hm(6, 0), Hm(14, 0), Hm(14, 0), Hm(22, 0)};
        static const int kSaturday[] = {Hm(6, 0), Hm(12, 0)};
        m_shifts = NewCalendar(L"Workshop shifts", 2);
        for (unsigned day = 0; day < 5; ++day)
            m_shifts->SetWorkingTimes(day, kShifts, 2);
        m_shifts->SetWorkingTimes(5, kSaturday, 1);
        m_shifts->SetWorkingTimes(7, kSaturday, 1); // holidays: a short early shift
        m_shifts->HolidayRule = 2;

        static const int kMornings[] = {Hm(9, 0), Hm(13, 0)};
        m_partTime = NewCalendar(L"Part time", 3);
        m_partTime->SetWorkingTimes(0, kMornings, 1);
        m_partTime->SetWorkingTimes(2, kMornings, 1);
        m_partTime->HolidayRule = 0;
        const bool added = m_root->Calendars->Add(m_office) == 0 && m_root->Calendars->Add(m_shifts) == 0 &&
                           m_root->Calendars->Add(m_partTime) == 0;
        if (!Step("calendars", added) || !Commit("calendars"))
            return false;

        // Exceptions belong to calendars that have their IDs.
        if (!Begin())
            return false;
        static const int kShortDay[] = {Hm(8, 0), Hm(12, 0)};
        static const int kExtraShift[] = {Hm(6, 0), Hm(14, 0)};
        struct Dated {
            CCalendar* calendar;
            TDate day;
            const int* pairs;
            int count;
        };
        const Dated exceptions[] = {
            {m_office, Day(12, 24), kShortDay, 1},
            {m_office, Day(12, 31), kShortDay, 1},
            {m_office, Day(3, 20), nullptr, 0},       // company outing: no office work
            {m_shifts, Day(3, 14), kExtraShift, 1},   // a Saturday with a full early shift
            {m_shifts, Day(8, 10), nullptr, 0},       // works holidays
            {m_partTime, Day(3, 18), nullptr, 0},
        };
        for (const Dated& d : exceptions) {
            CCalendarException* e = d.calendar->Exceptions->CreateNew();
            e->Date = d.day;
            e->SetWorkingTimes(d.pairs, d.count);
            if (!Step("calendar exception", d.calendar->Exceptions->Add(e) == 0))
                return false;
        }
        return Commit("calendar exceptions");
    }

    bool Holidays()
    {
        if (!Begin())
            return false;
        struct Named {
            unsigned month, day;
            const wchar_t* name;
        };
        const Named holidays[] = {
            {1, 1, L"New Year's Day"}, {1, 6, L"Epiphany"},       {4, 3, L"Good Friday"},
            {4, 6, L"Easter Monday"},  {5, 1, L"Labour Day"},     {5, 14, L"Ascension Day"},
            {5, 25, L"Whit Monday"},   {6, 4, L"Corpus Christi"}, {10, 3, L"Day of Unity"},
            {11, 1, L"All Saints' Day"}, {12, 25, L"Christmas Day"}, {12, 26, L"Boxing Day"},
        };
        for (const Named& h : holidays) {
            CHoliday* holiday = m_root->Holidays->CreateNew();
            holiday->Date = Day(h.month, h.day);
            holiday->SetName(h.name);
            if (!Step("holiday", m_root->Holidays->Add(holiday) == 0))
                return false;
        }
        return Commit("holidays");
    }

    CResource* NewResource(const wchar_t* name, const wchar_t* note, CCalendar* calendar, int position)
    {
        CResource* r = m_root->Resources->CreateNew();
        r->SetName(name);
        r->SetNote(note);
        r->Calendar = calendar;
        r->Position = position;
        return r;
    }

    bool Resources()
    {
        if (!Begin())
            return false;
        m_anna = NewResource(L"Anna Berger", L"Master joiner, planning & quality", m_office, 1);
        m_anna->ColorLabelBk = Rgb(255, 236, 200);
        m_anna->FontBold = true;
        m_anna->CostsVariable = 58.5;
        m_anna->CostsTimeUnit = 1;
        m_anna->SetUserFieldValue(L"Cost centre", L"CC-100 Management");
        m_anna->SetUserFieldValue(L"Hourly rate", L"58.50");

        m_ben = NewResource(L"Ben Keller", L"Apprentice (2nd year)", m_partTime, 2);
        m_ben->CostsVariable = 21.0;
        m_ben->SetUserFieldValue(L"Cost centre", L"CC-210 Workshop");
        m_ben->SetUserFieldValue(L"Hourly rate", L"21.00");

        m_mill = NewResource(L"CNC mill M2", L"5-axis machining centre <hall 2>", m_shifts, 3);
        m_mill->ColorScheduleBk = Rgb(235, 245, 235);
        m_mill->CostsVariable = 95.0;
        m_mill->CostsFixed = 12.5;
        m_mill->CostsTimeUnit = 1;
        m_mill->SetUserFieldValue(L"Cost centre", L"CC-210 Workshop");

        m_room = NewResource(L"Meeting room \"Blue\"", L"", nullptr, 4);
        m_van = NewResource(L"Van FR-Q 204", L"Delivery & fitting", nullptr, 5);
        m_van->CostsFixed = 35.0;
        m_van->SetUserFieldValue(L"Cost centre", L"CC-300 Logistics");
        for (CResource* r : {m_anna, m_ben, m_mill, m_room, m_van}) {
            if (!Step("resource", m_root->Resources->Add(r) == 0))
                return false;
        }
        return Commit("resources");
    }

    struct TaskRow {
        CResource* resource;
        TDate d1;
        int m1;
        TDate d2;
        int m2;
        const wchar_t* name;
        const wchar_t* note;
        Color background;
        double variable;
        double fixed;
        const wchar_t* order;
        const wchar_t* due;
    };

    bool Tasks()
    {
        if (!Begin())
            return false;
        const Color blue = Rgb(170, 200, 255);
        const Color green = Rgb(180, 230, 180);
        const Color amber = Rgb(255, 210, 120);
        const TaskRow tasks[] = {
            {m_anna, Day(3, 2), Hm(8, 0), Day(3, 2), Hm(12, 0), L"Survey kitchen Meier", L"Measure walls & windows", blue, 0, 0, L"2026031", L"20260305"},
            {m_anna, Day(3, 3), Hm(13, 0), Day(3, 4), Hm(17, 0), L"Drawings kitchen Meier", L"", blue, 0, 0, L"2026031", L"20260306"},
            {m_anna, Day(3, 16), Hm(8, 0), Day(3, 16), Hm(11, 30), L"Quote staircase Roth", L"Oak, 14 steps", amber, 0, 150.0, L"2026044", L""},
            {m_anna, Day(3, 24), Hm(8, 0), Day(3, 26), Hm(12, 0), L"Fitting kitchen Meier", L"On site; bring the long level", green, 0, 0, L"2026031", L"20260326"},
            {m_ben, Day(3, 2), Hm(9, 0), Day(3, 2), Hm(13, 0), L"Sanding panels", L"", green, 0, 0, L"2026031", L""},
            {m_ben, Day(3, 11), Hm(9, 0), Day(3, 11), Hm(13, 0), L"Vocational school project", L"Dovetail box", amber, 0, 0, L"", L"20260330"},
            {m_mill, Day(3, 5), Hm(6, 0), Day(3, 6), Hm(14, 0), L"Mill carcass parts Meier", L"Programme K-2026-031", blue, 40.0, 0, L"2026031", L"20260309"},
            {m_mill, Day(3, 9), Hm(6, 0), Day(3, 9), Hm(22, 0), L"Mill fronts Meier", L"Programme K-2026-031F", blue, 40.0, 0, L"2026031", L"20260310"},
            {m_mill, Day(3, 14), Hm(6, 0), Day(3, 14), Hm(14, 0), L"Stair treads Roth (trial)", L"", amber, 40.0, 80.0, L"2026044", L""},
            {m_mill, Day(3, 30), Hm(6, 0), Day(4, 2), Hm(22, 0), L"Series: cabinet doors", L"Batch of 120 doors", green, 40.0, 0, L"2026052", L"20260403"},
            {m_room, Day(3, 10), Hm(14, 0), Day(3, 10), Hm(15, 30), L"Client meeting Roth", L"Samples: oak, ash", amber, 0, 0, L"2026044", L""},
            {m_van, Day(3, 23), Hm(7, 0), Day(3, 23), Hm(16, 0), L"Delivery kitchen Meier", L"Load the evening before", green, 0, 0, L"2026031", L"20260323"},
            {m_van, Day(3, 27), Hm(10, 0), Day(3, 27), Hm(12, 0), L"Pick up glass panels", L"", blue, 0, 25.0, L"", L""},
        };
        for (const TaskRow& row : tasks) {
            CTask* t = row.resource->Tasks->CreateNew();
            t->SetName(row.name);
            t->SetNote(row.note);
            t->DateStart = row.d1;
            t->TimeStart = row.m1;
            t->DateEnd = row.d2;
            t->TimeEnd = row.m2;
            t->ColorBk = row.background;
            t->CostsCalculate = true;
            t->CostsVariable = row.variable;
            t->CostsFixed = row.fixed;
            t->CostsTimeUnit = row.variable != 0 ? 1 : 0;
            t->SetUserFieldValue(L"Order number", row.order);
            t->SetUserFieldValue(L"Due date", row.due);
            if (row.resource == m_anna && row.d1 == Day(3, 3))
                t->SetUserFieldValue(L"Drawing", L"https://example.com/drawings/K-2026-031.pdf");
            if (row.resource == m_van && row.d1 == Day(3, 23))
                t->SetUserFieldValue(L"Remarks", L"Call Mrs Meier 30 minutes ahead.\r\nParking behind the house.");
            if (!Step("task", row.resource->Tasks->Add(t) == 0))
                return false;
        }
        return Commit("tasks");
    }

    CRecurrence* NewSeries(CResource* r, int frequency, TDate start, int time, int duration, const wchar_t* name, Color background)
    {
        CRecurrence* s = r->Recurrences->CreateNew();
        s->Frequency = frequency;
        s->DateStart = start;
        s->TimeStart = time;
        s->Duration = duration;
        s->Task->SetName(name);
        s->Task->ColorBk = background;
        return s;
    }

    bool Series()
    {
        if (!Begin())
            return false;
        // Daily: the morning briefing on every working day of the quarter.
        CRecurrence* briefing = NewSeries(m_anna, kDaily, Day(3, 2), Hm(7, 45), 15, L"Morning briefing", Rgb(220, 220, 220));
        static_cast<CRecurrencePatternDaily*>(briefing->GetPattern())->DType = 1;
        briefing->EndType = kEndAtDate;
        briefing->EndDate = Day(6, 30);
        briefing->Task->SetNote(L"Workshop floor, standing");
        briefing->AddException(Day(3, 20)); // outing

        // Weekly: planning meeting on Mondays and Thursdays, twelve times.
        CRecurrence* planning = NewSeries(m_room, kWeekly, Day(3, 2), Hm(10, 0), 60, L"Planning meeting", Rgb(200, 180, 255));
        auto* weekly = static_cast<CRecurrencePatternWeekly*>(planning->GetPattern());
        weekly->WWeekdayCount = 2;
        weekly->WWeekdays[0] = 0;
        weekly->WWeekdays[1] = 3;
        planning->EndType = kEndAfterCount;
        planning->EndCount = 12;
        planning->Task->SetUserFieldValue(L"Remarks", L"Agenda in the shared folder");

        // Monthly: maintenance of the mill on the last Friday, every month.
        CRecurrence* maintenance = NewSeries(m_mill, kMonthly, Day(1, 1), Hm(14, 0), 240, L"Maintenance M2", Rgb(255, 180, 180));
        auto* monthly = static_cast<CRecurrencePatternMonthly*>(maintenance->GetPattern());
        monthly->MType = 1;
        monthly->MPosition = -1;
        monthly->MWeekday = 4;
        maintenance->Task->CostsCalculate = true;
        maintenance->Task->CostsFixed = 180.0;
        maintenance->Task->SetUserFieldValue(L"Order number", L"9000");

        // Yearly: the van's inspection, five years from 2026.
        CRecurrence* inspection = NewSeries(m_van, kYearly, Day(1, 1), Hm(8, 0), 180, L"Vehicle inspection", Rgb(255, 255, 160));
        auto* yearly = static_cast<CRecurrencePatternYearly*>(inspection->GetPattern());
        yearly->YMonth = 3;
        yearly->YDayOfMonth = 17;
        inspection->EndType = kEndAfterCount;
        inspection->EndCount = 5;
        inspection->Task->CostsCalculate = true;
        inspection->Task->CostsFixed = 120.0;

        for (CRecurrence* s : {briefing, planning, maintenance, inspection}) {
            if (!Step("series", s->Owner->Add(s) == 0))
                return false;
        }
        if (!Commit("series"))
            return false;

        // One planning meeting moves to Anna's row as a task of its own.
        if (!Begin())
            return false;
        CTask* moved = planning->DetachOccurrence(Day(3, 12), m_anna);
        if (!Step("detach", moved != nullptr))
            return false;
        moved->SetName(L"Planning meeting (at the client's)");
        moved->SetUserFieldValue(L"Order number", L"2026044");
        return Step("detached task", m_anna->Tasks->Add(moved) == 0) && Commit("detach");
    }

    bool Filters()
    {
        if (!Begin())
            return false;
        CFilter* workshop = m_root->Filters->CreateNew();
        workshop->SetName(L"Workshop");
        CResource* excluded[] = {m_van, m_room};
        workshop->SetExcludedResources(excluded, 2);
        workshop->SetResourceNote(L"");

        CFilter* meier = m_root->Filters->CreateNew();
        meier->SetName(L"Order Meier");
        meier->SetTaskName(L"meier");
        CResource* office[] = {m_ben};
        meier->SetExcludedResources(office, 1);
        const bool added = m_root->Filters->Add(workshop) == 0 && m_root->Filters->Add(meier) == 0;
        return Step("filters", added) && Commit("filters");
    }

    CData* m_root;
    CCalendar* m_office = nullptr;
    CCalendar* m_shifts = nullptr;
    CCalendar* m_partTime = nullptr;
    CResource* m_anna = nullptr;
    CResource* m_ben = nullptr;
    CResource* m_mill = nullptr;
    CResource* m_room = nullptr;
    CResource* m_van = nullptr;
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_sample <folder>\n");
        return 2;
    }
    HMODULE module = LoadLibraryW(L"QV2D.dll");
    auto getData = module ? reinterpret_cast<DllGetDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetData"))) : nullptr;
    auto freeData = module ? reinterpret_cast<DllFreeDataFn>(reinterpret_cast<void*>(GetProcAddress(module, "DllFreeData"))) : nullptr;
    if (!getData || !freeData) {
        std::fprintf(stderr, "make_sample: QV2D.dll or its exports are missing\n");
        return 1;
    }
    NoUndo store;
    CData* root = getData(&store);
    int result = 0;
    if (!root || !SampleBuilder(root).Build()) {
        result = 1;
    } else {
        const std::wstring folder = argv[1];
        const std::wstring bare = folder + L"\\sample.xml";
        const std::wstring zipped = folder + L"\\sample.wqv";
        const int bareStatus = root->Save(bare.c_str(), false);
        const int zippedStatus = root->Save(zipped.c_str(), true);
        if (bareStatus != 0 || zippedStatus != 0) {
            std::fprintf(stderr, "make_sample: saving failed (%d, %d)\n", bareStatus, zippedStatus);
            result = 1;
        }
    }
    freeData();
    return result;
}
