// Project settings: defaults, validation, user-field definitions and the transaction part.
#include "ProjectSettingsInt.h"

#include "DataInt.h"
#include "Guard.h"
#include "Library.h"
#include "ResourcesInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "UndoInfo.h"

#include "DateTimeEnv.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

using namespace wqv2_data;

namespace {

std::wstring LocaleCurrency()
{
    wchar_t buffer[201] = {};
    if (GetLocaleInfoW(datetime::CurrentLocale(), LOCALE_SCURRENCY, buffer, 201) == 0)
        return {};
    return buffer;
}

const wchar_t* kNoText = L"";

} // namespace

CProjectSettingsInt::CProjectSettingsInt(CData* data) : CObjectBase(kKindProjectSettings)
{
    Data = data;
    ApplyDefaults();
}

CProjectSettingsInt::~CProjectSettingsInt() { FreeString(Currency); }

void CProjectSettingsInt::ApplyDefaults()
{
    const datetime::LocalClock now = datetime::Now();
    DateStart = TDate::FromYMD(static_cast<unsigned>(now.month), static_cast<unsigned>(now.year), 1);
    DateEnd = TDate::LastDayOfMonth(static_cast<unsigned>(now.year), static_cast<unsigned>(now.month));
    TimeStart = 0;
    TimeEnd = 0;
    Scale[kScaleUnit] = 3;
    Scale[kScaleCount] = 1;
    std::fill(std::begin(VisibleWeekdays), std::end(VisibleWeekdays), true);
    for (int day = 0; day < 6; ++day)
        WeekdayColors[day] = 0xFFFFFF;
    WeekdayColors[6] = 0x80FFC0;
    Holidays = 0x80FFFF;
    NonWorkingTime = 0xFFFFFF;
    MonthsOdd = 0xFFFFFF;
    MonthsEven = 0xE0E0E0;
    FreezeResources = 0;
    SetString(LocaleCurrency().c_str(), Currency);
    TaskTextOrientation = 0;
    GridlinesVertical = true;
}

void CProjectSettingsInt::ClearUserFieldDefinitions()
{
    m_resourceFields.clear();
    m_taskFields.clear();
}

std::vector<CProjectSettingsInt::FieldDefinition>* CProjectSettingsInt::Definitions(int kind)
{
    if (kind == kUserFieldsResource)
        return &m_resourceFields;
    if (kind == kUserFieldsTask)
        return &m_taskFields;
    return nullptr;
}

int CProjectSettingsInt::AddUserField(int kind, const wchar_t* name, const wchar_t* type)
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        std::vector<FieldDefinition>* list = Definitions(kind);
        if (!list || !name || !*name)
            return static_cast<int>(kErrTransaction);
        if (std::any_of(list->begin(), list->end(), [&](const FieldDefinition& d) { return d.name == name; }))
            return static_cast<int>(kErrTransaction);
        const int position = list->empty() ? 0 : list->back().position + 1;
        list->push_back({name, TextOrEmpty(type), position});
        return 0;
    });
}

int CProjectSettingsInt::RenameUserField(int kind, const wchar_t* oldName, const wchar_t* newName, const wchar_t* type)
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        std::vector<FieldDefinition>* list = Definitions(kind);
        if (!list || !newName || !*newName)
            return static_cast<int>(kErrTransaction);
        const std::wstring from = TextOrEmpty(oldName);
        const auto named = [list](const std::wstring& name) {
            return std::find_if(list->begin(), list->end(), [&](const FieldDefinition& d) { return d.name == name; });
        };
        const auto it = named(from);
        if (it == list->end())
            return static_cast<int>(kErrTransaction);
        // Two definitions of one name would merge their values under it for good.
        if (from != newName && named(newName) != list->end())
            return static_cast<int>(kErrTransaction);
        it->name = newName;
        it->type = TextOrEmpty(type);
        if (from == newName)
            return 0;
        CDataInt* root = lib::Root();
        return root ? root->ResourcesInt()->RenameUserFieldValues(kind, from.c_str(), newName) : 0;
    });
}

int CProjectSettingsInt::RemoveUserField(int kind, const wchar_t* name)
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        std::vector<FieldDefinition>* list = Definitions(kind);
        if (!list)
            return static_cast<int>(kErrTransaction);
        const std::wstring removed = TextOrEmpty(name);
        const auto it = std::find_if(list->begin(), list->end(), [&](const FieldDefinition& d) { return d.name == removed; });
        if (it == list->end())
            return 0;
        list->erase(it);
        CDataInt* root = lib::Root();
        return root ? root->ResourcesInt()->RenameUserFieldValues(kind, removed.c_str(), nullptr) : 0;
    });
}

int CProjectSettingsInt::ReorderUserFields(int kind, const wchar_t** names, int count)
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        std::vector<FieldDefinition>* list = Definitions(kind);
        if (!list || !names || count != static_cast<int>(list->size()))
            return static_cast<int>(kErrTransaction);
        // Every name is checked before any position changes: a refused call changes nothing.
        // A name given twice needs two definitions of that name (files may hold such).
        std::vector<FieldDefinition*> order;
        order.reserve(list->size());
        for (int i = 0; i < count; ++i) {
            const wchar_t* name = TextOrEmpty(names[i]);
            const auto it = std::find_if(list->begin(), list->end(), [&](const FieldDefinition& d) {
                return d.name == name && std::find(order.begin(), order.end(), &d) == order.end();
            });
            if (it == list->end())
                return static_cast<int>(kErrTransaction);
            order.push_back(&*it);
        }
        for (int i = 0; i < count; ++i)
            order[static_cast<size_t>(i)]->position = i;
        std::stable_sort(list->begin(), list->end(), [](const FieldDefinition& a, const FieldDefinition& b) { return a.position < b.position; });
        return 0;
    });
}

int CProjectSettingsInt::GetUserFieldCount(int kind)
{
    const std::vector<FieldDefinition>* list = Definitions(kind);
    return list ? static_cast<int>(list->size()) : -1;
}

const wchar_t* CProjectSettingsInt::GetUserFieldName(int kind, int index)
{
    const std::vector<FieldDefinition>* list = Definitions(kind);
    if (!list || index < 0 || index >= static_cast<int>(list->size()))
        return nullptr;
    return (*list)[static_cast<size_t>(index)].name.c_str();
}

const wchar_t* CProjectSettingsInt::GetUserFieldType(int kind, int index)
{
    const std::vector<FieldDefinition>* list = Definitions(kind);
    if (!list || index < 0 || index >= static_cast<int>(list->size()))
        return nullptr;
    return (*list)[static_cast<size_t>(index)].type.c_str();
}

int CProjectSettingsInt::MarkModified()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CProjectSettingsInt>(Data);
            m_snapshot->CopyWithId(this);
        });
    });
}

const wchar_t* CProjectSettingsInt::SetCurrency(const wchar_t* text)
{
    return Guarded(Currency ? Currency : kNoText, [&] { return SetString(text, Currency); });
}

void CProjectSettingsInt::RestoreFromSnapshot()
{
    if (m_snapshot)
        CopyWithId(m_snapshot.get());
}

void CProjectSettingsInt::CommitModified(CUndoInfo* step)
{
    if (step && m_snapshot) {
        auto image = std::make_unique<CProjectSettingsInt>(Data);
        image->CopyWithId(m_snapshot.get());
        image->SetOriginal(this);
        step->AddBeforeImage(image.release());
    }
}

bool CProjectSettingsInt::IsValid(bool)
{
    const uint32_t start = DateStart;
    const uint32_t end = DateEnd;
    if (start <= TDate::kEmpty || end <= TDate::kEmpty || end < start)
        return false;
    if (Scale[kScaleUnit] < 1 || Scale[kScaleUnit] > 6 || Scale[kScaleCount] <= 0)
        return false;
    return TimeStart >= 0 && TimeStart <= 1439 && TimeEnd >= 0 && TimeEnd <= 1439;
}

int CProjectSettingsInt::MarkDeleted()
{
    // The settings cannot be deleted; the edit that tried is abandoned.
    if (CTransaction* t = lib::Transaction(); t && t->IsOpen())
        t->Rollback();
    return kErrTransaction;
}

void CProjectSettingsInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CProjectSettingsInt& source = *static_cast<const CProjectSettingsInt*>(other);
    DateStart = source.DateStart;
    DateEnd = source.DateEnd;
    TimeStart = source.TimeStart;
    TimeEnd = source.TimeEnd;
    std::copy(std::begin(source.Scale), std::end(source.Scale), std::begin(Scale));
    std::copy(std::begin(source.VisibleWeekdays), std::end(source.VisibleWeekdays), std::begin(VisibleWeekdays));
    std::copy(std::begin(source.DayColors), std::end(source.DayColors), std::begin(DayColors));
    NonWorkingTime = source.NonWorkingTime;
    MonthsOdd = source.MonthsOdd;
    MonthsEven = source.MonthsEven;
    FreezeResources = source.FreezeResources;
    SetString(source.Currency, Currency);
    TaskTextOrientation = source.TaskTextOrientation;
    GridlinesVertical = source.GridlinesVertical;
    m_resourceFields = source.m_resourceFields;
    m_taskFields = source.m_taskFields;
}
