#pragma once
// CProjectSettingsInt: the project-wide settings and the user-field definitions. The data root
// owns the one object; it owns its currency text, its definitions and its snapshot.

#include "ObjectBase.h"

#include "wqv2_data.h"

#include <memory>
#include <string>
#include <vector>

class CProjectSettingsInt final : public wqv2_data::CProjectSettings, public CObjectBase {
public:
    struct FieldDefinition {
        std::wstring name;
        std::wstring type;
        int position = 0;
    };

    explicit CProjectSettingsInt(wqv2_data::CData* data);
    ~CProjectSettingsInt() override;

    // wqv2_data::CProjectSettings
    int AddUserField(int kind, const wchar_t* name, const wchar_t* type) override;
    int RenameUserField(int kind, const wchar_t* oldName, const wchar_t* newName, const wchar_t* type) override;
    int RemoveUserField(int kind, const wchar_t* name) override;
    int ReorderUserFields(int kind, const wchar_t** names, int count) override;
    int GetUserFieldCount(int kind) override;
    const wchar_t* GetUserFieldName(int kind, int index) override;
    const wchar_t* GetUserFieldType(int kind, int index) override;
    int MarkModified() override;
    const wchar_t* SetCurrency(const wchar_t* text) override;

    // CObjectBase
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo*) override {}
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo*) override {}
    bool IsValid(bool adding) override;
    int MarkDeleted() override;
    int AddToOwner() override { return wqv2_data::kErrTransaction; }
    void CopyWithId(const CObjectBase* other) override;
    // The "Settings" element inside the document's "Data" element, and the older format's
    // "[Settings]" section (ProjectSettingsXml.cpp).
    void WriteXml(CXmlParser* parser, CXmlElement* data) override;
    int ReadXml(CXmlParser* parser, CXmlElement* data) override;
    int ImportLegacySection(const wchar_t* text) override;
    // The settings are always part of the project.
    int GetId() const override { return 1; }

    // Every member to its default (at construction and before a project file is read): the
    // current month as the period, the locale's currency.
    void ApplyDefaults();
    void ClearUserFieldDefinitions();

private:
    // What a reload that keeps the view settings puts back after reading.
    struct ViewSettings {
        TDate dateStart;
        TDate dateEnd;
        int scaleUnit;
        int scaleCount;
        int freezeResources;
    };

    std::vector<FieldDefinition>* Definitions(int kind);
    // Colours by their place in files: weekdays 0-6, holidays, non-working time, odd and even
    // months.
    wqv2_data::Color* ColorSlot(int index);
    ViewSettings KeepViewSettings() const;
    void RestoreViewSettings(const ViewSettings& kept);
    void ReadDefinitions(CXmlParser* parser, CXmlElement* settings, int kind);

    std::vector<FieldDefinition> m_resourceFields; // ascending by position
    std::vector<FieldDefinition> m_taskFields;     // ascending by position
    std::unique_ptr<CProjectSettingsInt> m_snapshot;
};
