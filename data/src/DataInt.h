#pragma once
// CDataInt: the single data root. It owns the project settings, the four top-level containers
// and the file state, and runs every edit through the process-wide transaction.

#include "wqv2_data.h"

#include <memory>
#include <vector>

class CContBase;
class CFileHelper;
class CProjectSettingsInt;
class CHolidaysInt;
class CResourcesInt;
class CFiltersInt;
class CCalendarsInt;

class CDataInt final : public wqv2_data::CData {
public:
    CDataInt();
    ~CDataInt() override;
    CDataInt(const CDataInt&) = delete;
    CDataInt& operator=(const CDataInt&) = delete;

    int Open(const wchar_t* path, bool readOnly) override;
    int Save(const wchar_t* path, bool zipped) override;
    int Reload(unsigned int flags) override;
    int Close(int keepMask) override;
    wchar_t* GetPath(wchar_t* out) override;
    int GetFileInfo(int what, void* out) override;
    bool IsReadOnly() override;
    bool IsModified() override;
    int BeginTransaction(const wchar_t* name) override;
    int Rollback() override;
    int Commit() override;
    int AddXmlReader(wqv2_data::XmlReader reader) override;
    int AddXmlWriter(wqv2_data::XmlWriter writer) override;
    int AddChangeListener(wqv2_data::ChangeListener listener) override;
    int Command(int code, void* arg) override;

    // Internal views of the public members.
    CProjectSettingsInt* SettingsInt() const { return m_settings; }
    CHolidaysInt* HolidaysInt() const { return m_holidays; }
    CResourcesInt* ResourcesInt() const { return m_resources; }
    CFiltersInt* FiltersInt() const { return m_filters; }
    CCalendarsInt* CalendarsInt() const { return m_calendars; }
    // Holidays, resources, filters, calendars: the order of every walk over the containers.
    const std::vector<CContBase*>& Containers() const { return m_containers; }
    CFileHelper& File() { return *m_file; }
    const std::vector<wqv2_data::XmlReader>& XmlReaders() const { return m_readers; }
    const std::vector<wqv2_data::XmlWriter>& XmlWriters() const { return m_writers; }

    void NotifyListeners(unsigned int bits);

private:
    void DestroyParts();
    void DropDanglingReferences(bool resourcesCleared, bool calendarsCleared);

    CProjectSettingsInt* m_settings = nullptr; // owned (also the public ProjectSettings)
    CHolidaysInt* m_holidays = nullptr;        // owned
    CResourcesInt* m_resources = nullptr;      // owned
    CFiltersInt* m_filters = nullptr;          // owned
    CCalendarsInt* m_calendars = nullptr;      // owned
    std::vector<CContBase*> m_containers;      // not owned: views of the four above
    std::vector<wqv2_data::ChangeListener> m_listeners;
    std::vector<wqv2_data::XmlWriter> m_writers;
    std::vector<wqv2_data::XmlReader> m_readers;
    wqv2_data::RefuseEditHook m_refuseEdit = nullptr;
    std::unique_ptr<CFileHelper> m_file;
};
