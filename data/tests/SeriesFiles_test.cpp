// Series, patterns, filters, project settings and user-field definitions in project files:
// round trips through real files, the reading rules of hand-written documents, and the older
// text format's settings and filter rows; through QV2D.dll.
#include "FileTestEnv.h"

#include <algorithm>
#include <sstream>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

std::wstring Hex(Color c)
{
    std::wostringstream s;
    s << std::hex << c;
    return s.str();
}

// Everything of the kinds this file is about, written out field by field.
std::wstring DumpSeriesAndSettings(CData* root)
{
    std::wostringstream out;
    CProjectSettings* s = root->ProjectSettings;
    out << L"settings " << static_cast<uint32_t>(s->DateStart) << L' ' << static_cast<uint32_t>(s->DateEnd) << L' '
        << s->TimeStart << L' ' << s->TimeEnd << L" scale " << s->Scale[0] << L' ' << s->Scale[1] << L" days ";
    for (bool visible : s->VisibleWeekdays)
        out << visible;
    for (Color c : s->DayColors)
        out << L' ' << Hex(c);
    out << L' ' << Hex(s->NonWorkingTime) << L' ' << Hex(s->MonthsOdd) << L' ' << Hex(s->MonthsEven) << L" freeze "
        << s->FreezeResources << L" currency " << s->Currency << L" orientation " << s->TaskTextOrientation << L" grid "
        << s->GridlinesVertical << L'\n';
    for (int kind : {kUserFieldsResource, kUserFieldsTask}) {
        for (int i = 0; i < s->GetUserFieldCount(kind); ++i)
            out << L"field " << kind << L' ' << s->GetUserFieldName(kind, i) << L'|' << s->GetUserFieldType(kind, i) << L'\n';
    }
    for (int r = 0; CResource* resource = root->Resources->GetAt(r); ++r) {
        for (int i = 0; CRecurrence* series = resource->Recurrences->GetAt(i); ++i) {
            out << L"series " << resource->ID << L'/' << series->ID << L" freq " << series->Frequency << L" start "
                << static_cast<uint32_t>(series->DateStart) << L' ' << series->TimeStart << L'+' << series->Duration
                << L" end " << series->EndType << L' '
                // Files keep only the end value the end type uses.
                << (series->EndType == kEndAtDate ? static_cast<uint32_t>(series->EndDate) : 0u) << L' '
                << (series->EndType == kEndAfterCount ? series->EndCount : 0)
                << L" range " << static_cast<uint32_t>(series->GetFirstDay()) << L'-' << static_cast<uint32_t>(series->GetLastDay());
            const int frequency = series->Frequency;
            for (int f = kDaily; f <= kYearly; ++f) {
                series->Frequency = f;
                const CRecurrencePattern* p = series->GetPattern();
                if (f == kDaily) {
                    auto* d = static_cast<const CRecurrencePatternDaily*>(p);
                    out << L" d" << d->DType << L',' << d->DInterval;
                } else if (f == kWeekly) {
                    auto* w = static_cast<const CRecurrencePatternWeekly*>(p);
                    out << L" w" << w->WFirstDayOfWeek << L',' << w->WInterval << L',' << w->WWeekdayCount << L':';
                    for (int k = 0; k < w->WWeekdayCount; ++k)
                        out << w->WWeekdays[k];
                } else if (f == kMonthly) {
                    auto* m = static_cast<const CRecurrencePatternMonthly*>(p);
                    out << L" m" << m->MType << L',' << m->MDayOfMonth << L',' << m->MPosition << L',' << m->MWeekday << L','
                        << m->MInterval;
                } else {
                    auto* y = static_cast<const CRecurrencePatternYearly*>(p);
                    out << L" y" << y->YType << L',' << y->YMonth << L',' << y->YDayOfMonth << L',' << y->YPosition << L','
                        << y->YWeekday;
                }
            }
            series->Frequency = frequency;
            CTask* t = series->Task;
            out << L" template " << t->ID << L' ' << t->Name << L'|' << t->Note << L' ' << Hex(t->ColorBk) << L' '
                << t->CostsCalculate << L' ' << t->CostsFixed << L" fields";
            for (int k = 0; k < t->GetUserFieldCount(); ++k)
                out << L' ' << t->GetUserFieldName(k) << L'=' << t->GetUserFieldValue(t->GetUserFieldName(k));
            out << L" linked " << (t->Recurrence == series) << L" skipped";
            std::vector<TDate> days(static_cast<size_t>(series->CountExceptionsInRange(0u, TDate::kLastDay)));
            series->GetExceptionsInRange(days.data(), 0u, TDate::kLastDay);
            for (TDate d : days)
                out << L' ' << static_cast<uint32_t>(d);
            out << L'\n';
        }
        for (int i = 0; CTask* task = resource->Tasks->GetAt(i); ++i) {
            if (task->Recurrence)
                out << L"detached " << resource->ID << L'/' << task->ID << L" from " << task->Recurrence->ID << L'\n';
        }
    }
    for (int i = 0; CFilter* f = root->Filters->GetAt(i); ++i) {
        out << L"filter " << f->ID << L' ' << f->Name << L'|' << f->ResourceName << L'|' << f->ResourceNote << L'|'
            << f->TaskName << L'|' << f->TaskNote << L" excludes";
        std::vector<CResource*> excluded(static_cast<size_t>(f->GetExcludedResourceCount()));
        if (!excluded.empty())
            f->GetExcludedResources(excluded.data());
        std::vector<int> ids;
        for (CResource* r : excluded)
            ids.push_back(r->ID);
        std::sort(ids.begin(), ids.end());
        for (int id : ids)
            out << L' ' << id;
        out << L'\n';
    }
    return out.str();
}

// A bare project document around `data` (the children of "Data").
std::wstring Document(const std::wstring& data)
{
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Win-Quorvia>\r\n<FileInfo><DllRequiredVersion>2.0</DllRequiredVersion></FileInfo>\r\n"
           L"<Data>\r\n" +
           data + L"</Data>\r\n</Win-Quorvia>\r\n";
}

const wchar_t* const kResourcesOneTwoThree =
    L"<Resources>"
    L"<Resource><ID>1</ID><Name>One</Name></Resource>"
    L"<Resource><ID>2</ID><Name>Two</Name></Resource>"
    L"<Resource><ID>3</ID><Name>Three</Name></Resource>"
    L"</Resources>\r\n";

class SeriesFilesTest : public FileTest {
protected:
    // Each document gets a file of its own: an opened file stays locked against writers.
    int OpenText(const std::wstring& text)
    {
        const std::wstring path = Path(L"hand" + std::to_wstring(++m_files) + L".wqv");
        if (!WriteFileBytes(path, Utf16File(text)))
            return -1;
        return root->Open(path.c_str(), false);
    }

    // A project that uses every field of the kinds of this file.
    void BuildProject()
    {
        CProjectSettings* s = root->ProjectSettings;
        ASSERT_EQ(Begin(), 0);
        ASSERT_EQ(s->MarkModified(), 0);
        s->DateStart = Day(3, 1);
        s->DateEnd = Day(4, 15);
        s->TimeStart = 360;
        s->TimeEnd = 1320;
        s->Scale[kScaleUnit] = 2;
        s->Scale[kScaleCount] = 4;
        s->VisibleWeekdays[0] = false;
        s->VisibleWeekdays[6] = false;
        s->WeekdayColors[2] = 0x123456;
        s->Holidays = 0x00AA00;
        s->NonWorkingTime = 0x010203;
        s->MonthsOdd = 0xFEFDFC;
        s->MonthsEven = 0x0000FF;
        s->FreezeResources = 2;
        s->SetCurrency(L"\u20AC & <cents>");
        s->TaskTextOrientation = 1;
        s->GridlinesVertical = false;
        ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Order", L"QV2UDFInt"), 0);
        ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Link", L"QV2UDFHyperlink"), 0);
        ASSERT_EQ(s->AddUserField(kUserFieldsResource, L"Team", L""), 0);
        const wchar_t* order[] = {L"Link", L"Order"};
        ASSERT_EQ(s->ReorderUserFields(kUserFieldsTask, order, 2), 0);
        ASSERT_EQ(Commit(), 0);

        for (const wchar_t* name : {L"Anna", L"Ben", L"Mill"})
            resources.push_back(AddResource(name));
        ASSERT_EQ(Begin(), 0);
        CResource* anna = resources[0];
        struct Shape {
            int frequency;
            int endType;
        };
        const Shape shapes[] = {{kDaily, kEndAtDate}, {kWeekly, kEndAfterCount}, {kMonthly, kEndNever}, {kYearly, kEndAfterCount}};
        for (const Shape& shape : shapes) {
            CRecurrence* series = anna->Recurrences->CreateNew();
            series->Frequency = shape.frequency;
            series->DateStart = Day(3, 2) + shape.frequency;
            series->TimeStart = 480 + 15 * shape.frequency;
            series->Duration = shape.frequency == kYearly ? -30 : 90; // a negative one must load too
            series->EndType = shape.endType;
            series->EndDate = Day(6, 30);
            series->EndCount = 9;
            series->Task->SetName(L"Check <\"M2\"> & co");
            series->Task->SetNote(L"two\r\nlines");
            series->Task->ColorBk = 0x3366CC;
            series->Task->CostsCalculate = true;
            series->Task->CostsFixed = 12.5;
            series->Task->SetUserFieldValue(L"Order", L"4711");
            series->AddException(Day(3, 20));
            series->AddException(Day(3, 9));
            if (shape.frequency == kWeekly) {
                auto* w = static_cast<CRecurrencePatternWeekly*>(series->GetPattern());
                w->WFirstDayOfWeek = 6;
                w->WInterval = 2;
                w->WWeekdayCount = 3;
                w->WWeekdays[0] = 4;
                w->WWeekdays[1] = 0;
                w->WWeekdays[2] = 2;
            } else if (shape.frequency == kMonthly) {
                auto* m = static_cast<CRecurrencePatternMonthly*>(series->GetPattern());
                m->MType = 1;
                m->MPosition = -1;
                m->MWeekday = 4;
                m->MInterval = 3;
            } else if (shape.frequency == kYearly) {
                auto* y = static_cast<CRecurrencePatternYearly*>(series->GetPattern());
                y->YMonth = 2;
                y->YDayOfMonth = 29;
            } else {
                auto* d = static_cast<CRecurrencePatternDaily*>(series->GetPattern());
                d->DType = 0;
                d->DInterval = 3;
            }
            ASSERT_EQ(anna->Recurrences->Add(series), 0);
            this->series.push_back(series);
        }
        ASSERT_EQ(Commit(), 0);

        ASSERT_EQ(Begin(), 0);
        CTask* detached = this->series[0]->DetachOccurrence(Day(3, 5), nullptr);
        ASSERT_NE(detached, nullptr);
        ASSERT_EQ(anna->Tasks->Add(detached), 0);
        CFilter* f = root->Filters->CreateNew();
        f->SetName(L"Workshop & <yard>");
        f->SetResourceName(L"m");
        f->SetTaskNote(L"lines");
        CResource* excluded[] = {resources[2], resources[0]};
        f->SetExcludedResources(excluded, 2);
        ASSERT_EQ(root->Filters->Add(f), 0);
        CFilter* g = root->Filters->CreateNew();
        g->SetName(L"All");
        ASSERT_EQ(root->Filters->Add(g), 0);
        ASSERT_EQ(Commit(), 0);
    }

    std::vector<CResource*> resources;
    std::vector<CRecurrence*> series;

private:
    int m_files = 0;
};

TEST_F(SeriesFilesTest, RoundTrip_bareAndZipped)
{
    BuildProject();
    ASSERT_FALSE(HasFailure());
    const std::wstring before = DumpSeriesAndSettings(root);
    const std::wstring bare = Path(L"project.xml");
    const std::wstring zipped = Path(L"project.wqv");
    ASSERT_EQ(root->Save(bare.c_str(), false), 0);
    ASSERT_EQ(root->Save(zipped.c_str(), true), 0);

    const std::wstring text = Utf16Text(ReadFileBytes(bare));
    EXPECT_NE(text.find(L"<ExcludedResourceIDs>1 3</ExcludedResourceIDs>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<Frequence>1</Frequence>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<WWeekdays>4 0 2</WWeekdays>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<TaskTextOrientaion>1</TaskTextOrientaion>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<Scale>2 4</Scale>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<VisibleWeekdays>1 2 3 4 5</VisibleWeekdays>"), std::wstring::npos);
    EXPECT_EQ(text.find(L"<DInterval>"), text.rfind(L"<DInterval>")); // only the daily series writes it

    root->Close(0);
    ASSERT_EQ(root->Open(bare.c_str(), false), 0);
    EXPECT_EQ(DumpSeriesAndSettings(root), before);
    const std::wstring again = Path(L"again.xml");
    ASSERT_EQ(root->Save(again.c_str(), false), 0);
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(bare));

    root->Close(0);
    ASSERT_EQ(root->Open(zipped.c_str(), false), 0);
    EXPECT_EQ(DumpSeriesAndSettings(root), before);
    // The series answer as before: ranges were computed by the load.
    CResource* anna = root->Resources->GetAt(0);
    CRecurrence* weekly = anna->Recurrences->GetAt(1);
    ASSERT_EQ(weekly->Frequency, kWeekly);
    EXPECT_EQ(weekly->CountOccurrences(Day(1, 1), 0, Day(12, 31), 0, nullptr, false), 9 - 1); // one skipped day
}

TEST_F(SeriesFilesTest, Filter_exclusionsWrittenByAscendingId)
{
    // Made in one order and numbered in the other, so no order of addresses matches the IDs'.
    ASSERT_EQ(Begin(), 0);
    std::vector<CResource*> made;
    for (const wchar_t* name : {L"C", L"B", L"A"}) {
        made.push_back(root->Resources->CreateNew());
        made.back()->SetName(name);
    }
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        ASSERT_EQ(root->Resources->Add(*it), 0);
    CFilter* f = root->Filters->CreateNew();
    f->SetName(L"F");
    f->SetExcludedResources(made.data(), 3);
    ASSERT_EQ(root->Filters->Add(f), 0);
    ASSERT_EQ(Commit(), 0);
    const std::wstring path = Path(L"order.xml");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    EXPECT_NE(Utf16Text(ReadFileBytes(path)).find(L"<ExcludedResourceIDs>1 2 3</ExcludedResourceIDs>"), std::wstring::npos);
}

TEST_F(SeriesFilesTest, Filter_excludedIdsReadUpToAWordAndOnlyKnownResources)
{
    ASSERT_EQ(OpenText(Document(std::wstring(kResourcesOneTwoThree) +
                                L"<Filters>"
                                L"<Filter><ID>4</ID><Name>F</Name><ExcludedResourceIDs>3 x 1</ExcludedResourceIDs></Filter>"
                                L"<Filter><ID>7</ID><Name>G</Name><ExcludedResourceIDs>2 9</ExcludedResourceIDs><TaskName>a&amp;b</TaskName></Filter>"
                                L"</Filters>\r\n")),
              0);
    ASSERT_EQ(root->Filters->GetCount(), 2);
    CFilter* f = root->Filters->GetAt(0);
    ASSERT_EQ(f->GetExcludedResourceCount(), 1);
    CResource* excluded = nullptr;
    f->GetExcludedResources(&excluded);
    EXPECT_EQ(excluded->ID, 3);
    EXPECT_STREQ(f->TaskNote, L"");
    CFilter* g = root->Filters->GetAt(1);
    EXPECT_EQ(g->GetExcludedResourceCount(), 1); // 9 names no resource
    EXPECT_STREQ(g->TaskName, L"a&b");
    // The counter follows the IDs read.
    ASSERT_EQ(Begin(), 0);
    CFilter* h = root->Filters->CreateNew();
    h->SetName(L"H");
    ASSERT_EQ(root->Filters->Add(h), 0);
    EXPECT_EQ(h->ID, 8);
    root->Rollback();
}

TEST_F(SeriesFilesTest, Filter_idThatIsNoNumberTakesTheNextFreeOne)
{
    // No later filter may take the number a fresh one was given (the list's counter starts at 1).
    EXPECT_EQ(OpenText(Document(L"<Filters><Filter><ID>x</ID><Name>F</Name></Filter>"
                                L"<Filter><ID>1</ID><Name>G</Name></Filter></Filters>")),
              kErrInvalid);
    // A number that is not positive stays an error.
    EXPECT_EQ(OpenText(Document(L"<Filters><Filter><ID>-2</ID><Name>F</Name></Filter></Filters>")), kErrFormat);
    ASSERT_EQ(OpenText(Document(L"<Filters>"
                                L"<Filter><ID>30</ID><Name>F</Name></Filter>"
                                L"<Filter><ID>none</ID><Name>G</Name></Filter>"
                                L"</Filters>\r\n")),
              0);
    ASSERT_EQ(root->Filters->GetCount(), 2);
    EXPECT_EQ(root->Filters->GetAt(1)->ID, 31);
}

TEST_F(SeriesFilesTest, Filter_requiredElementsAndEmptyName)
{
    EXPECT_EQ(OpenText(Document(L"<Filters><Filter><ID>1</ID></Filter></Filters>")), kErrFormat);
    EXPECT_EQ(OpenText(Document(L"<Filters><Filter><Name>F</Name></Filter></Filters>")), kErrFormat);
    EXPECT_EQ(OpenText(Document(L"<Filters><Filter><ID>1</ID><Name></Name></Filter></Filters>")), kErrInvalid);
    EXPECT_EQ(root->Filters->GetCount(), 0);
}

std::wstring SeriesDocument(const std::wstring& seriesChildren)
{
    return Document(L"<Resources><Resource><ID>1</ID><Name>R</Name><Recurrences><Recurrence>" + seriesChildren +
                    L"</Recurrence></Recurrences></Resource></Resources>\r\n");
}

const wchar_t* const kTemplate = L"<Task><ID>-1</ID><Name>T</Name></Task>";

TEST_F(SeriesFilesTest, Series_readingRules)
{
    // Weekdays up to the first word; skipped days among other children; no end without EndType.
    ASSERT_EQ(OpenText(SeriesDocument(std::wstring(L"<ID>5</ID><Frequence>1</Frequence>"
                                                   L"<Pattern><WInterval>1</WInterval><WFirstDayOfWeek>0</WFirstDayOfWeek><WWeekdays>1 3 x 5</WWeekdays></Pattern>"
                                                   L"<DateStart>20240902</DateStart><TimeStart>08:30</TimeStart><Duration>60</Duration>"
                                                   L"<EndCount>3</EndCount>") +
                                      kTemplate + L"<Exceptions><Date>20240905</Date><Note>x</Note><Date>20240910</Date></Exceptions>")),
              0);
    CRecurrence* s = root->Resources->GetAt(0)->Recurrences->GetAt(0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ID, 5);
    EXPECT_EQ(s->TimeStart, 510);
    EXPECT_EQ(s->EndType, kEndNever);
    EXPECT_EQ(s->EndCount, 0);
    auto* w = static_cast<CRecurrencePatternWeekly*>(s->GetPattern());
    ASSERT_EQ(w->WWeekdayCount, 2);
    EXPECT_EQ(w->WWeekdays[0], 1);
    EXPECT_EQ(w->WWeekdays[1], 3);
    EXPECT_EQ(s->CountExceptionsInRange(0u, TDate::kLastDay), 2);
    EXPECT_EQ(s->Task->Recurrence, s);
    EXPECT_EQ(s->Task->ID, -1);
    EXPECT_EQ(s->GetLastDay(), 1u);
    // Tuesdays and Thursdays of September 2024, less the two skipped days.
    EXPECT_EQ(s->CountOccurrences(Day(9, 1), 0, Day(10, 1), 0, nullptr, false), 8 - 2);
}

TEST_F(SeriesFilesTest, Series_missingRequiredElementsFailTheLoad)
{
    const std::wstring head = L"<ID>1</ID><Frequence>0</Frequence>";
    const std::wstring pattern = L"<Pattern><DInterval>1</DInterval><DType>0</DType></Pattern>";
    const std::wstring times = L"<DateStart>20240902</DateStart><TimeStart>08:00</TimeStart><Duration>30</Duration>";
    ASSERT_EQ(OpenText(SeriesDocument(head + pattern + times + kTemplate)), 0);
    root->Close(0);
    EXPECT_EQ(OpenText(SeriesDocument(head + times + kTemplate)), kErrFormat);
    EXPECT_EQ(OpenText(SeriesDocument(head + pattern + times)), kErrFormat);
    EXPECT_EQ(OpenText(SeriesDocument(L"<ID>1</ID><Frequence>4</Frequence>" + pattern + times + kTemplate)), kErrFormat);
    EXPECT_EQ(OpenText(SeriesDocument(head + L"<Pattern><DInterval>1</DInterval></Pattern>" + times + kTemplate)), kErrFormat);
    EXPECT_EQ(OpenText(SeriesDocument(head + pattern + L"<DateStart>20240902</DateStart><TimeStart>08:00</TimeStart>" + kTemplate)),
              kErrFormat);
    // A monthly pattern by position needs position and weekday, not the day.
    const std::wstring monthly = L"<ID>1</ID><Frequence>2</Frequence><Pattern><MInterval>1</MInterval><MType>1</MType>";
    EXPECT_EQ(OpenText(SeriesDocument(monthly + L"<MDayOfMonth>3</MDayOfMonth></Pattern>" + times + kTemplate)), kErrFormat);
    EXPECT_EQ(OpenText(SeriesDocument(monthly + L"<MPosition>-1</MPosition><MWeekday>7</MWeekday></Pattern>" + times + kTemplate)), 0);
    root->Close(0);
    // Values are not checked by reading; the series' Add refuses them.
    EXPECT_EQ(OpenText(SeriesDocument(head + L"<Pattern><DInterval>0</DInterval><DType>0</DType></Pattern>" + times + kTemplate)),
              kErrInvalid);
}

TEST_F(SeriesFilesTest, Settings_readingRules)
{
    ASSERT_EQ(OpenText(Document(L"<Settings><Scale>5 2</Scale><DateStart>20240301</DateStart><DateEnd>20240331</DateEnd>"
                                L"<VisibleWeekdays>5 6</VisibleWeekdays>"
                                L"<Colors><Weekday3>1 2 3</Weekday3><MonthsEven></MonthsEven></Colors>"
                                L"<UserDefinedFieldsTasks>"
                                L"<UserDefinedField><Name>First</Name></UserDefinedField>"
                                L"<UserDefinedField><Name>Second</Name><Type>QV2UDFDate</Type><Position>5</Position></UserDefinedField>"
                                L"<Other/>"
                                L"<UserDefinedField><Name>Third</Name><Position>2</Position></UserDefinedField>"
                                L"<UserDefinedField><Type>QV2UDFInt</Type></UserDefinedField>"
                                L"</UserDefinedFieldsTasks></Settings>")),
              0);
    CProjectSettings* s = root->ProjectSettings;
    EXPECT_EQ(s->Scale[kScaleUnit], 5);
    EXPECT_EQ(s->Scale[kScaleCount], 2);
    for (int day = 0; day < 5; ++day)
        EXPECT_FALSE(s->VisibleWeekdays[day]);
    EXPECT_TRUE(s->VisibleWeekdays[5]);
    EXPECT_TRUE(s->VisibleWeekdays[6]);
    EXPECT_EQ(s->WeekdayColors[3], 0x030201u);
    EXPECT_EQ(s->MonthsEven, 0xFFFFFFu);
    EXPECT_EQ(s->WeekdayColors[6], 0x80FFC0u); // absent: the default
    // Sorted by Position; a missing Type or Position repeats the entry before, the first's "" and 0.
    ASSERT_EQ(s->GetUserFieldCount(kUserFieldsTask), 3);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"First");
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 0), L"");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 1), L"Third");
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 1), L"QV2UDFDate");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 2), L"Second");
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsResource), 0);
    root->Close(0);

    ASSERT_EQ(OpenText(Document(L"<Settings><VisibleWeekdays>9 -1 2</VisibleWeekdays><GridlinesVertical>0</GridlinesVertical></Settings>")), 0);
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(s->VisibleWeekdays[day], day == 2) << day;
    EXPECT_FALSE(s->GridlinesVertical);
    root->Close(0);
    ASSERT_EQ(OpenText(Document(L"<Settings><VisibleWeekdays></VisibleWeekdays></Settings>")), 0);
    for (bool visible : s->VisibleWeekdays)
        EXPECT_FALSE(visible);
    root->Close(0);
    // Without "Settings" every value is the default, also after a project that set them.
    ASSERT_EQ(OpenText(Document(L"")), 0);
    for (bool visible : s->VisibleWeekdays)
        EXPECT_TRUE(visible);
    EXPECT_EQ(s->Scale[kScaleUnit], 3);
}

TEST_F(SeriesFilesTest, Settings_invalidPeriodFailsTheLoad)
{
    EXPECT_EQ(OpenText(Document(L"<Settings><DateStart>20240331</DateStart><DateEnd>20240301</DateEnd></Settings>")), kErrInvalid);
    EXPECT_EQ(OpenText(Document(L"<Settings><Scale>7 1</Scale></Settings>")), kErrInvalid);
}

TEST_F(SeriesFilesTest, Reload_keepsViewSettingsOnlyWhenAsked)
{
    BuildProject();
    ASSERT_FALSE(HasFailure());
    const std::wstring path = Path(L"reload.xml");
    ASSERT_EQ(root->Save(path.c_str(), false), 0);
    root->Close(0);
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    CProjectSettings* s = root->ProjectSettings;
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    s->DateStart = Day(5, 1);
    s->DateEnd = Day(5, 31);
    s->Scale[kScaleUnit] = 6;
    s->FreezeResources = 0;
    s->MonthsOdd = 0x000001;
    ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Extra", L""), 0);
    ASSERT_EQ(Commit(), 0);

    ASSERT_EQ(root->Reload(kReloadKeepViewSettings), 0);
    EXPECT_EQ(s->DateStart, Day(5, 1));
    EXPECT_EQ(s->DateEnd, Day(5, 31));
    EXPECT_EQ(s->Scale[kScaleUnit], 6);
    EXPECT_EQ(s->FreezeResources, 0);
    EXPECT_EQ(s->MonthsOdd, 0xFEFDFCu);                     // colours come from the file
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 2); // and so do the definitions

    ASSERT_EQ(root->Reload(0), 0);
    EXPECT_EQ(s->DateStart, Day(3, 1));
    EXPECT_EQ(s->Scale[kScaleUnit], 2);
    EXPECT_EQ(s->FreezeResources, 2);
}

TEST_F(SeriesFilesTest, Legacy_settingsAndFilterRows)
{
    const std::string text =
        "[FileInfo]\r\nApp;Win-Quorvia\r\n\r\n"
        "[Settings]\r\nTimeBar;20240401;20240430;4;2\r\nColorsBk;255 0 0;;0 0 255;;;;;1 1 1;;;2 2 2\r\nshort\r\n\r\n"
        "[Resources]\r\n1;0;Anna;\r\n2;1;Ben;Apprentice\r\n\r\n"
        "[Filters]\r\n5;Only Anna;2 x 1;An;;;\r\nnot a number;Second\r\n\r\n";
    const std::wstring path = Path(L"old.wqv");
    ASSERT_TRUE(WriteFileBytes(path, Bytes(text.begin(), text.end())));
    ASSERT_EQ(root->Open(path.c_str(), false), 0);
    CProjectSettings* s = root->ProjectSettings;
    EXPECT_EQ(s->DateStart, Day(4, 1));
    EXPECT_EQ(s->DateEnd, Day(4, 30));
    EXPECT_EQ(s->Scale[kScaleUnit], 4);
    EXPECT_EQ(s->Scale[kScaleCount], 2);
    EXPECT_EQ(s->WeekdayColors[0], 0x0000FFu);
    EXPECT_EQ(s->WeekdayColors[1], 0xFFFFFFu); // empty column
    EXPECT_EQ(s->WeekdayColors[2], 0xFF0000u);
    EXPECT_EQ(s->Holidays, 0x010101u);
    EXPECT_EQ(s->MonthsEven, 0x020202u);
    ASSERT_EQ(root->Filters->GetCount(), 2);
    CFilter* f = root->Filters->GetAt(0);
    EXPECT_EQ(f->ID, 5);
    EXPECT_STREQ(f->Name, L"Only Anna");
    EXPECT_STREQ(f->ResourceName, L"An");
    ASSERT_EQ(f->GetExcludedResourceCount(), 1);
    CResource* excluded = nullptr;
    f->GetExcludedResources(&excluded);
    EXPECT_STREQ(excluded->Name, L"Ben");
    CFilter* second = root->Filters->GetAt(1);
    EXPECT_EQ(second->ID, 6); // no number: the next free one
    EXPECT_STREQ(second->Name, L"Second");
}

} // namespace
