#pragma once
// CCalendarExceptionInt: one dated exception of a calendar. The calendar's exception set owns
// it; it owns its range array and its snapshot.

#include "ObjectBase.h"

#include "wqv2_data.h"

#include <memory>

class CCalendarExceptionsInt;

class CCalendarExceptionInt final : public wqv2_data::CCalendarException, public CObjectBase {
public:
    CCalendarExceptionInt(wqv2_data::CData* data, wqv2_data::CCalendarExceptions* owner);
    ~CCalendarExceptionInt() override;

    // wqv2_data::CCalendarException
    void CopyFrom(const wqv2_data::CCalendarException* other) override;
    int MarkModified() override;
    int MarkDeleted() override;
    void SetWorkingTimes(const int* pairs, int count) override;

    // CObjectBase
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CCalendarExceptionsInt* OwnerInt() const;

private:
    std::unique_ptr<CCalendarExceptionInt> m_snapshot;
};
