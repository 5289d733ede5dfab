// Reading a project document in parts.
#include "ProjectReader.h"

#include "CalendarsInt.h"
#include "DataInt.h"
#include "FiltersInt.h"
#include "HolidaysInt.h"
#include "ProjectSettingsInt.h"
#include "ResourceInt.h"
#include "ResourcesInt.h"

#include "Library.h"
#include "Transaction.h"

#include "wqv2_data.h"

using namespace wqv2_data;

namespace {

enum Tag {
    kTagFileInfo = CXmlStreamReader::kRootTag + 1,
    kTagData,
    kTagSettings,
    kTagSection,              // + the section: its items are read one by one
    kTagItem = kTagSection + 8, // + the section
    kTagHeld = kTagItem + 8,    // + the section: held whole
};

enum Section { kHolidays, kCalendars, kResources, kFilters };

CContBase* Container(CDataInt& root, int section)
{
    switch (section) {
    case kHolidays:
        return root.HolidaysInt();
    case kCalendars:
        return root.CalendarsInt();
    case kResources:
        return root.ResourcesInt();
    default:
        return root.FiltersInt();
    }
}

int ReadFileInfo(CXmlParser& parser, CXmlElement* info, FileVersionInfo& versions)
{
    static const wchar_t* const kNames[FileVersionInfo::kTextCount] = {L"AppVersion", L"DllVersion", L"DllRequiredVersion",
                                                                       L"DllRequiredVersionFull"};
    bool present[FileVersionInfo::kTextCount] = {};
    for (int i = 0; i < FileVersionInfo::kTextCount; ++i) {
        if (const CXmlElement* element = parser.FindChildElement(info, kNames[i])) {
            present[i] = true;
            versions.texts[i] = parser.GetElementText(element);
        }
    }
    const double own = projectdoc::OwnVersionNumber();
    if (present[FileVersionInfo::kDllRequiredVersion] &&
        projectdoc::VersionNumber(versions.texts[FileVersionInfo::kDllRequiredVersion]) > own)
        return kErrNewerVersion;
    if (present[FileVersionInfo::kDllRequiredVersionFull]) {
        versions.requiredFullVersion = projectdoc::VersionNumber(versions.texts[FileVersionInfo::kDllRequiredVersionFull]);
        versions.fullVersionOk = !(own < versions.requiredFullVersion);
    }
    return 0;
}

int RunPluginReaders(const CDataInt& root, const std::wstring& text)
{
    // Copied: a reader must not register readers, but if one does the walk stays valid.
    const std::vector<XmlReader> readers = root.XmlReaders();
    for (XmlReader reader : readers) {
        if (!reader)
            continue;
        int status = kErrFormat;
        try {
            status = reader(text.c_str());
        } catch (...) {
            status = kErrFormat;
        }
        if (status != 0)
            return status;
    }
    return 0;
}

} // namespace

CProjectReader::CProjectReader(CDataInt& root, FileVersionInfo& versions)
    : m_root(root), m_versions(versions), m_reader(*this), m_keepText(!root.XmlReaders().empty())
{
    CResourceInt::HoldCalendarLinks(true);
}

CProjectReader::~CProjectReader()
{
    CResourceInt::DropCalendarLinks();
    CResourceInt::HoldCalendarLinks(false);
}

void CProjectReader::Fail(int step, int status)
{
    if (step < m_failedStep) {
        m_failedStep = step;
        m_status = status;
    }
    // An item that fails its validity test rolls the load back at once: nothing more can be
    // read into it.
    CTransaction* t = lib::Transaction();
    if (!t || !t->IsOpen())
        m_rolledBack = true;
    // Resources that named a calendar may be gone with the failed item; the load is lost.
    if (step == kStepSections + static_cast<int>(kResources))
        CResourceInt::DropCalendarLinks();
}

CXmlStreamReader::Handler::Placement CProjectReader::Enter(int parentTag, std::wstring_view name)
{
    Placement placement;
    if (parentTag == CXmlStreamReader::kRootTag) {
        // The first of each; later ones are not read.
        if (name == L"FileInfo" && !m_fileInfoSeen) {
            m_fileInfoSeen = true;
            placement.tag = kTagFileInfo;
            placement.parser = &m_scratch;
        } else if (name == L"Data" && !m_dataSeen) {
            m_dataSeen = true;
            placement.tag = kTagData;
            // The settings are read first: their defaults now, their element (if any) when it
            // is complete. Reading them again gives what one reading of the element gives.
            CXmlParser empty;
            empty.StartRawDocument(L"Data", L"");
            ReadSettings(empty);
        }
        return placement;
    }
    if (parentTag == kTagData) {
        if (name == L"Settings" && !m_settingsSeen) {
            m_settingsSeen = true;
            placement.tag = kTagSettings;
            placement.parser = &m_scratch;
            placement.under = m_scratch.StartRawDocument(L"Data", L"");
            return placement;
        }
        for (int section = 0; section < kSections; ++section) {
            CContBase* container = Container(m_root, section);
            if (m_seen[section] || name != container->XmlCollectionName())
                continue;
            m_seen[section] = true;
            // Filters name the resources they exclude: before the resources are in, a filter
            // section waits whole. Resources name calendars by ID; those links wait instead.
            if (section == kFilters && !m_done[kResources]) {
                m_held[section] = std::make_unique<CXmlParser>();
                placement.tag = kTagHeld + section;
                placement.parser = m_held[section].get();
                placement.under = m_held[section]->StartRawDocument(L"Data", L"");
                return placement;
            }
            m_items[section].emplace(*container);
            placement.tag = kTagSection + section;
            return placement;
        }
        return placement;
    }
    if (parentTag >= kTagSection && parentTag < kTagSection + kSections) {
        const int section = parentTag - kTagSection;
        if (!Skipped(kStepSections + section) && name == Container(m_root, section)->XmlItemName()) {
            placement.tag = kTagItem + section;
            placement.parser = &m_scratch;
        }
    }
    return placement;
}

void CProjectReader::Built(int tag, CXmlParser& parser, CXmlElement* element)
{
    if (tag == kTagFileInfo) {
        const int status = ReadFileInfo(parser, element, m_versions);
        if (status != 0)
            Fail(kStepFileInfo, status);
    } else if (tag == kTagSettings) {
        ReadSettings(parser);
    } else if (tag >= kTagItem && tag < kTagItem + kSections) {
        const int section = tag - kTagItem;
        if (Skipped(kStepSections + section))
            return;
        const int status = m_items[section]->Item(&parser, element);
        if (status != 0)
            Fail(kStepSections + section, status);
    } else if (tag >= kTagHeld && tag < kTagHeld + kSections) {
        m_heldComplete[tag - kTagHeld] = true;
        ReadHeldSections();
    }
}

void CProjectReader::Left(int tag)
{
    if (tag >= kTagSection && tag < kTagSection + kSections)
        SectionDone(tag - kTagSection);
}

void CProjectReader::ReadSettings(CXmlParser& parser)
{
    if (Skipped(kStepSettings))
        return;
    const int status = m_root.SettingsInt()->ReadXml(&parser, parser.Root());
    if (status != 0)
        Fail(kStepSettings, status);
}

void CProjectReader::SectionDone(int section)
{
    m_done[section] = true;
    if (section == kCalendars)
        CResourceInt::ResolveCalendarLinks();
    ReadHeldSections();
}

void CProjectReader::ReadHeldSections()
{
    for (int section = 0; section < kSections; ++section) {
        if (!m_held[section] || !m_heldComplete[section] || (section == kFilters && !m_done[kResources]))
            continue;
        std::unique_ptr<CXmlParser> held = std::move(m_held[section]);
        if (!Skipped(kStepSections + section)) {
            const int status = Container(m_root, section)->ReadXml(held.get(), held->Root());
            if (status != 0)
                Fail(kStepSections + section, status);
        }
        m_done[section] = true;
    }
}

void CProjectReader::Feed(std::wstring_view text)
{
    if (m_keepText)
        m_text.append(text);
    m_reader.Feed(text);
}

int CProjectReader::Finish(int ioStatus)
{
    m_reader.Finish();
    if (ioStatus != 0)
        return ioStatus;
    if (m_reader.Status() != 0)
        return m_reader.Status();
    if (!m_fileInfoSeen)
        Fail(kStepFileInfo, kErrFormat);
    if (!m_dataSeen)
        Fail(kStepData, kErrFormat);
    // Sections the file does not have are done: nothing of them to wait for.
    for (int section = 0; section < kSections; ++section) {
        if (!m_done[section] && !m_held[section])
            SectionDone(section);
    }
    ReadHeldSections();
    if (!Skipped(kStepPlugins)) {
        const int status = RunPluginReaders(m_root, m_text);
        if (status != 0)
            Fail(kStepPlugins, status);
    }
    return m_status;
}
