#pragma once
// CHolidayInt: one public holiday. The holiday set owns it; it owns its name. A holiday never
// changes in place: an edit is a deletion and an addition.

#include "ObjectBase.h"

#include "wqv2_data.h"

class CHolidaysInt;

class CHolidayInt final : public wqv2_data::CHoliday, public CObjectBase {
public:
    CHolidayInt(wqv2_data::CData* data, wqv2_data::CHolidays* owner);
    ~CHolidayInt() override;

    // wqv2_data::CHoliday
    int MarkDeleted() override;
    void SetName(const wchar_t* name) override;

    // CObjectBase
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void RemoveFromOwner(CUndoInfo* step) override;
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CHolidaysInt* OwnerInt() const;
};
