#pragma once
// CTaskInt: a task. It lives in the task set of its resource (which owns it), inside a recurrence
// as its template (owned by the recurrence), or stand-alone (owned by whoever asked the root for
// it). It owns its texts, its user-field values and its snapshot; it never owns its set, its
// recurrence or the root, and its destructor never touches them.

#include "ObjectBase.h"
#include "UserFieldValues.h"

#include "wqv2_data.h"

#include <memory>

class CTasksInt;

class CTaskInt final : public wqv2_data::CTask, public CObjectBase {
public:
    CTaskInt(wqv2_data::CData* data, wqv2_data::CTasks* owner);
    ~CTaskInt() override;

    // wqv2_data::CTask
    int GetUserFieldCount() override;
    const wchar_t* GetUserFieldName(int index) override;
    const wchar_t* GetUserFieldValue(const wchar_t* name) override;
    void SetUserFieldValue(const wchar_t* name, const wchar_t* value) override;
    void CopyFrom(const wqv2_data::CTask* other) override;
    int GetDuration() override;
    bool SetDuration(int minutes) override;
    int GetWorkDuration() override;
    bool SetWorkDuration(unsigned int minutes) override;
    double GetCosts(TDate d1, int m1, TDate d2, int m2) override;
    const wchar_t* SetName(const wchar_t* name) override;
    const wchar_t* SetNote(const wchar_t* note) override;
    wqv2_data::CResource* GetResource() override;
    int MarkModified() override; // also the object-base slot
    int MarkDeleted() override;  // also the object-base slot

    // CObjectBase
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    // The "Task" element's children (TaskXml.cpp). A template (ID below 0) has no dates.
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    // The template of a recurrence: no owning set, a recurrence link.
    bool IsTemplate() const { return Owner == nullptr && Recurrence != nullptr; }
    CTasksInt* OwnerInt() const;
    const UserFieldValues& Fields() const { return m_fields; }
    // Moves (or with a null new name removes) the value of a user field; the task is marked
    // modified first unless it is a template. 0, or the failure of MarkModified.
    int RenameUserFieldValue(const wchar_t* oldName, const wchar_t* newName);

private:
    void CopyFields(const CTaskInt& other); // everything but ID and the owning set
    wqv2_data::CCalendar* Calendar();

    UserFieldValues m_fields;
    std::unique_ptr<CTaskInt> m_snapshot; // state before the open transaction changed the task
};
