// The data root: construction, transactions, change listeners, Close and commands.
#include "DataInt.h"

#include "CalendarsInt.h"
#include "FileHelper.h"
#include "FiltersInt.h"
#include "Guard.h"
#include "HolidaysInt.h"
#include "Library.h"
#include "ProjectSettingsInt.h"
#include "RecurrenceInt.h"
#include "ResourcesInt.h"
#include "TaskInt.h"
#include "Transaction.h"

#include "WideCopy.h"
#include "wqv2_undo.h"

using namespace wqv2_data;

namespace {

// An open or a reload: a read error unless memory ran out on the way.
template <class F>
int Loading(F&& load)
{
    const COutOfMemoryWatch memory;
    const int status = Guarded(static_cast<int>(kErrIo), std::forward<F>(load));
    return status == kErrIo && memory.Seen() ? static_cast<int>(kErrNoMemory) : status;
}

} // namespace

CDataInt::CDataInt()
{
    // Cleanup if a later allocation throws: the destructor does not run for a half-built root.
    struct Unwind {
        CDataInt* root;
        bool done = false;
        ~Unwind()
        {
            if (!done)
                root->DestroyParts();
        }
    } unwind{this};

    m_settings = new CProjectSettingsInt(this);
    ProjectSettings = m_settings;
    m_holidays = new CHolidaysInt(this);
    Holidays = m_holidays;
    m_resources = new CResourcesInt(this);
    Resources = m_resources;
    m_filters = new CFiltersInt(this);
    Filters = m_filters;
    m_calendars = new CCalendarsInt(this);
    Calendars = m_calendars;
    m_containers = {m_holidays, m_resources, m_filters, m_calendars};
    m_file = std::make_unique<CFileHelper>(this);
    unwind.done = true;
}

CDataInt::~CDataInt() { DestroyParts(); }

void CDataInt::DestroyParts()
{
    for (CContBase* container : m_containers)
        container->Clear();
    m_containers.clear();
    delete m_settings;
    delete m_resources;
    delete m_holidays;
    delete m_filters;
    delete m_calendars;
    m_settings = nullptr;
    m_resources = nullptr;
    m_holidays = nullptr;
    m_filters = nullptr;
    m_calendars = nullptr;
    ProjectSettings = nullptr;
    Holidays = nullptr;
    Resources = nullptr;
    Filters = nullptr;
    Calendars = nullptr;
}

int CDataInt::Open(const wchar_t* path, bool readOnly)
{
    return Loading([&] { return m_file->Open(path, readOnly); });
}

int CDataInt::Save(const wchar_t* path, bool zipped)
{
    return Guarded(static_cast<int>(kErrIo), [&] {
        const int status = m_file->Save(path, zipped);
        if (status == 0)
            lib::Transaction()->ClearSavedState();
        return status;
    });
}

int CDataInt::Reload(unsigned int flags)
{
    return Loading([&] { return m_file->Reload(flags); });
}

int CDataInt::Close(int keepMask)
{
    GuardedVoid([&] {
        CTransaction* t = lib::Transaction();
        if (t->IsOpen())
            t->Rollback();
        bool resourcesCleared = false;
        bool calendarsCleared = false;
        for (CContBase* container : m_containers) {
            const bool cleared = container->Reset(keepMask);
            if (container == m_resources)
                resourcesCleared = cleared;
            if (container == m_calendars)
                calendarsCleared = cleared;
        }
        DropDanglingReferences(resourcesCleared, calendarsCleared);
        // Kept items may hold answers that rest on emptied containers (a calendar's working
        // minutes on the holidays): their caches go too.
        for (CContBase* container : m_containers)
            container->Refresh();
        m_settings->FreezeResources = 0;
        if ((keepMask & kKeepUserFieldDefinitions) == 0)
            m_settings->ClearUserFieldDefinitions();
        if (wqv2_undo::CUndoManager* store = lib::UndoStore())
            store->Clear();
        m_file->Close();
        t->ClearSavedState();
        NotifyListeners(kChangeLoaded);
    });
    return 0;
}

void CDataInt::DropDanglingReferences(bool resourcesCleared, bool calendarsCleared)
{
    // A partial keep mask may destroy items that kept ones still point at.
    if (calendarsCleared) {
        for (CResourceInt* resource : m_resources->Items())
            resource->Calendar = nullptr;
    }
    if (resourcesCleared) {
        for (CFilterInt* filter : m_filters->Items())
            filter->ClearExcluded();
    }
}

wchar_t* CDataInt::GetPath(wchar_t* out)
{
    if (!out)
        return out;
    // Copied straight from the path, never through a string of its own: asked while memory is
    // short (before an open, after a failed one), a copy could fail and throw out of the library.
    wstr::CopyBounded(out, kPathChars, m_file->IsOpen() ? std::wstring_view(m_file->Path()) : std::wstring_view());
    return out;
}

int CDataInt::GetFileInfo(int what, void* out)
{
    switch (what) {
    case kInfoLegacy:
        return m_file->IsLegacy() ? 1 : 2;
    case kInfoZipped:
        return m_file->IsZipped() ? 1 : 2;
    case kInfoFullVersion:
        if (out)
            *static_cast<double*>(out) = m_file->RequiredFullVersion();
        return m_file->IsOpen() && m_file->FullVersionOk() ? 1 : 2;
    case kInfoVersionTexts: {
        if (!out)
            return 0;
        wchar_t* blocks = static_cast<wchar_t*>(out);
        for (int i = 0; i < 4; ++i)
            wstr::CopyBounded(blocks + i * kVersionTextChars, kVersionTextChars, m_file->VersionText(i));
        return 1;
    }
    default:
        return 0;
    }
}

bool CDataInt::IsReadOnly() { return m_file->IsReadOnly(); }

bool CDataInt::IsModified() { return lib::Transaction()->IsModified(); }

int CDataInt::BeginTransaction(const wchar_t* name)
{
    if (name && *name && m_refuseEdit) {
        m_refuseEdit();
        return kErrRefused;
    }
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CTransaction* t = lib::Transaction();
        if (t->Begin(name) != 0) {
            t->Rollback();
            return static_cast<int>(kErrTransaction);
        }
        return 0;
    });
}

int CDataInt::Rollback()
{
    GuardedVoid([&] { lib::Transaction()->Rollback(); });
    return 0;
}

int CDataInt::Commit()
{
    return Guarded(static_cast<int>(kErrTransaction), [&] {
        CTransaction* t = lib::Transaction();
        const int status = t->Validate();
        if (status != 0) {
            // Nothing open (never begun, or rolled back already): nothing to undo either.
            if (t->IsOpen())
                t->Rollback();
            return status;
        }
        const unsigned int bits = t->End(m_containers);
        if (bits != 0)
            NotifyListeners(bits);
        return 0;
    });
}

void CDataInt::NotifyListeners(unsigned int bits)
{
    // A listener may reach the root again; walking by index up to the count at the start stays
    // valid even if the list grows meanwhile.
    const size_t count = m_listeners.size();
    for (size_t i = 0; i < count; ++i) {
        // The change is done whatever a listener does; one failing listener must not keep the
        // others from hearing of it.
        try {
            m_listeners[i](bits);
        } catch (...) {
        }
    }
}

int CDataInt::AddXmlReader(XmlReader reader)
{
    GuardedVoid([&] { m_readers.push_back(reader); });
    return 1;
}

int CDataInt::AddXmlWriter(XmlWriter writer)
{
    GuardedVoid([&] { m_writers.push_back(writer); });
    return 1;
}

int CDataInt::AddChangeListener(ChangeListener listener)
{
    GuardedVoid([&] { m_listeners.push_back(listener); });
    return 1;
}

int CDataInt::Command(int code, void* arg)
{
    switch (code) {
    case kCmdNewTask:
        return Guarded(0, [&] {
            if (!arg)
                return 0;
            *static_cast<CTask**>(arg) = new CTaskInt(this, nullptr);
            return 1;
        });
    case kCmdClearModified:
        lib::Transaction()->ClearSavedState();
        return 0;
    case kCmdSetRefuseEditHook:
        m_refuseEdit = reinterpret_cast<RefuseEditHook>(arg);
        return 0;
    case kCmdNewRecurrence:
        return Guarded(0, [&] {
            if (!arg)
                return 0;
            *static_cast<CRecurrence**>(arg) = new CRecurrenceInt(this, nullptr);
            return 1;
        });
    default:
        return kErrUnknownCommand;
    }
}
