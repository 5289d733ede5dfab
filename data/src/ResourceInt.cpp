// Resources: fields, task-window entries, the deletion cascade and their part in the transaction.
#include "ResourceInt.h"

#include "DataInt.h"
#include "FiltersInt.h"
#include "Guard.h"
#include "Library.h"
#include "Minutes.h"
#include "RecurrencesInt.h"
#include "ResourcesInt.h"
#include "TasksInt.h"
#include "TextSlots.h"
#include "Transaction.h"
#include "UndoInfo.h"

#include "ClassicText.h"

#include <algorithm>

using namespace wqv2_data;

CResourceInt::CResourceInt(CData* data, CResources* owner) : CObjectBase(kKindResource)
{
    Data = data;
    Owner = owner;
    SetString(L"", Name);
    SetString(L"", Note);
    auto tasks = std::make_unique<CTasksInt>(data, this);
    auto recurrences = std::make_unique<CRecurrencesInt>(data, this);
    Tasks = tasks.release();
    Recurrences = recurrences.release();
}

CResourceInt::~CResourceInt()
{
    delete RecurrencesInt();
    delete TasksInt();
    FreeString(Name);
    FreeString(Note);
}

CTasksInt* CResourceInt::TasksInt() const { return static_cast<CTasksInt*>(Tasks); }

CRecurrencesInt* CResourceInt::RecurrencesInt() const { return static_cast<CRecurrencesInt*>(Recurrences); }

CResourcesInt* CResourceInt::OwnerInt() const { return static_cast<CResourcesInt*>(Owner); }

std::vector<TaskOccurrence> CResourceInt::CollectTasksInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter) const
{
    std::vector<TaskOccurrence> entries;
    if (IsBefore(d2, m2, d1, m1))
        return entries;
    for (CTaskInt* task : TasksInt()->CollectInWindow(d1, m1, d2, m2, filter))
        entries.push_back({static_cast<int>(static_cast<uint32_t>(task->DateStart)), task});
    for (CRecurrenceInt* series : RecurrencesInt()->Items()) {
        // Occurrences already running at the period's start count too.
        for (TDate day : series->CollectOccurrences(d1, m1, d2, m2, filter, true))
            entries.push_back({static_cast<int>(static_cast<uint32_t>(day)), series->Task});
    }
    return entries;
}

int CResourceInt::CountTasksInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter)
{
    return Guarded(0, [&] { return static_cast<int>(CollectTasksInWindow(d1, m1, d2, m2, filter).size()); });
}

int CResourceInt::GetTasksInWindow(TaskOccurrence* out, TDate d1, int m1, TDate d2, int m2, CFilter* filter)
{
    return Guarded(0, [&] {
        const std::vector<TaskOccurrence> entries = CollectTasksInWindow(d1, m1, d2, m2, filter);
        if (out)
            std::copy(entries.begin(), entries.end(), out);
        return static_cast<int>(entries.size());
    });
}

int CResourceInt::GetUserFieldCount() { return m_fields.Count(); }

const wchar_t* CResourceInt::GetUserFieldName(int index) { return m_fields.NameAt(index); }

const wchar_t* CResourceInt::GetUserFieldValue(const wchar_t* name) { return m_fields.Find(name); }

void CResourceInt::SetUserFieldValue(const wchar_t* name, const wchar_t* value)
{
    GuardedVoid([&] { m_fields.Set(name, value); });
}

void CResourceInt::CopyFields(const CResourceInt& other)
{
    Calendar = other.Calendar;
    Position = other.Position;
    SetString(other.Name, Name);
    SetString(other.Note, Note);
    ColorFg = other.ColorFg;
    ColorLabelBk = other.ColorLabelBk;
    ColorScheduleBk = other.ColorScheduleBk;
    FontBold = other.FontBold;
    CostsVariable = other.CostsVariable;
    CostsFixed = other.CostsFixed;
    CostsTimeUnit = other.CostsTimeUnit;
    m_fields.CopyFrom(other.m_fields);
    Owner = other.Owner;
}

void CResourceInt::CopyFrom(const CResource* other)
{
    if (!other || other == this)
        return;
    GuardedVoid([&] { CopyFields(*static_cast<const CResourceInt*>(other)); });
}

void CResourceInt::CopyWithId(const CObjectBase* other)
{
    if (!other || other == this)
        return;
    const CResourceInt& source = *static_cast<const CResourceInt*>(other);
    CopyFields(source);
    ID = source.ID;
}

int CResourceInt::MarkModified()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CResourceInt>(Data, Owner);
            m_snapshot->CopyWithId(this);
        });
    });
}

int CResourceInt::MarkDeleted()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        if (IsDeletedRegistered())
            return 0;
        if (ID == 0)
            return RegisterDeletedOrDestroy();
        return MarkDeletedCascade();
    });
}

int CResourceInt::MarkDeletedCascade()
{
    CTransaction* t = lib::Transaction();
    if (!t || !t->IsOpen())
        return static_cast<int>(kErrTransaction);
    int status = t->RegisterDeleted(this);
    if (status != 0)
        return status;
    for (CTaskInt* task : TasksInt()->Snapshot()) {
        status = task->MarkDeleted();
        if (status != 0)
            return status;
    }
    for (CRecurrenceInt* series : RecurrencesInt()->Snapshot()) {
        status = series->MarkDeleted();
        if (status != 0)
            return status;
    }
    if (CDataInt* root = lib::Root()) {
        for (CFilterInt* filter : root->FiltersInt()->Items()) {
            if (!filter->Excludes(this))
                continue;
            status = filter->MarkModified();
            if (status != 0)
                return status;
            filter->RemoveExcluded(this);
        }
    }
    return 0;
}

const wchar_t* CResourceInt::SetName(const wchar_t* name)
{
    return Guarded(Name, [&] { return SetString(name, Name); });
}

const wchar_t* CResourceInt::SetNote(const wchar_t* note)
{
    return Guarded(Note, [&] { return SetString(note, Note); });
}

int CResourceInt::RenameUserFieldValue(const wchar_t* oldName, const wchar_t* newName)
{
    if (!m_fields.Has(oldName))
        return 0;
    const int status = MarkModified();
    if (status != 0)
        return status;
    m_fields.Rename(oldName, newName);
    return 0;
}

void CResourceInt::OnOpen()
{
    TasksInt()->Refresh();
    RecurrencesInt()->Refresh();
}

void CResourceInt::RestoreFromSnapshot()
{
    if (m_snapshot)
        CopyWithId(m_snapshot.get());
}

CContBase* CResourceInt::OwnerContainer() const { return OwnerInt(); }

void CResourceInt::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    if (CResourcesInt* list = OwnerInt())
        list->Append(this);
}

void CResourceInt::CommitModified(CUndoInfo* step)
{
    RecordBeforeImage(this, m_snapshot.get(), step);
}

void CResourceInt::RemoveFromOwner(CUndoInfo* step)
{
    if (CResourcesInt* list = OwnerInt())
        list->RemoveItem(static_cast<CResource*>(this));
    KeepOrDestroyDeleted(this, step);
}

int CResourceInt::ImportCsv(const std::vector<std::wstring>& fields)
{
    if (fields.size() > 0)
        ID = ctext::ParseInt(fields[0]);
    if (fields.size() > 1)
        Position = ctext::ParseInt(fields[1]);
    if (fields.size() > 2)
        SetString(fields[2].c_str(), Name);
    if (fields.size() > 3)
        SetString(fields[3].c_str(), Note);
    return 0;
}

bool CResourceInt::IsValid(bool) { return Name && *Name; }

int CResourceInt::AddToOwner()
{
    CResourcesInt* list = OwnerInt();
    return list ? list->Add(this) : static_cast<int>(kErrTransaction);
}
