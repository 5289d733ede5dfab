#pragma once
// CResourceInt: one row of the planning board. The resource list owns it; it owns its task set,
// its recurrence set, its texts, its user-field values and its snapshot. Its calendar is only
// referred to.

#include "ObjectBase.h"
#include "UserFieldValues.h"

#include "wqv2_data.h"

#include <memory>
#include <vector>

class CTasksInt;
class CRecurrencesInt;
class CResourcesInt;

class CResourceInt final : public wqv2_data::CResource, public CObjectBase {
public:
    CResourceInt(wqv2_data::CData* data, wqv2_data::CResources* owner);
    ~CResourceInt() override;

    // wqv2_data::CResource
    int CountTasksInWindow(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) override;
    int GetTasksInWindow(wqv2_data::TaskOccurrence* out, TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) override;
    int GetUserFieldCount() override;
    const wchar_t* GetUserFieldName(int index) override;
    const wchar_t* GetUserFieldValue(const wchar_t* name) override;
    void SetUserFieldValue(const wchar_t* name, const wchar_t* value) override;
    void CopyFrom(const wqv2_data::CResource* other) override;
    int MarkModified() override;
    int MarkDeleted() override;
    const wchar_t* SetName(const wchar_t* name) override;
    const wchar_t* SetNote(const wchar_t* note) override;

    // CObjectBase
    void OnOpen() override;
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    // The "Resource" element's children, its recurrences and its tasks (ResourceXml.cpp).
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    bool IsValid(bool adding) override;
    // A document may name a resource's calendar before the calendars are read. While links are
    // held, a calendar ID that finds no calendar yet is kept, and linked when the calendars are
    // in (ResolveCalendarLinks); Drop forgets them (the resources may be gone).
    static void HoldCalendarLinks(bool hold);
    static void ResolveCalendarLinks();
    static void DropCalendarLinks();
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CTasksInt* TasksInt() const;
    CRecurrencesInt* RecurrencesInt() const;
    CResourcesInt* OwnerInt() const;
    const UserFieldValues& Fields() const { return m_fields; }

    // The task-window entries: the own tasks with their start day, then each series'
    // occurrence days with its template. Count and fill both come from here.
    std::vector<wqv2_data::TaskOccurrence> CollectTasksInWindow(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter) const;
    // Moves or removes a resource user-field value (marking the resource modified first).
    int RenameUserFieldValue(const wchar_t* oldName, const wchar_t* newName);

private:
    void CopyFields(const CResourceInt& other); // everything but ID, tasks and recurrences
    int MarkDeletedCascade();

    UserFieldValues m_fields;
    std::unique_ptr<CResourceInt> m_snapshot;
};
