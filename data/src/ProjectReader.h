#pragma once
// CProjectReader: reads a project document handed over in parts into the root's open load
// transaction. Each item element (a holiday, a calendar, a resource with its tasks, a filter)
// is built alone and read as soon as it is complete, so neither the whole text nor a tree of
// the whole document is held. The outcome is that of reading the whole document at once: the
// sections are read in the order FileInfo, Data, Settings, Holidays, Calendars, Resources,
// Filters, plug-in readers, whatever order the file has them in, and the status is the one
// that order meets first. (One difference: an item that fails its validity test rolls the load
// back at once, so a second fault further on in the file, in a section read earlier, is not
// reached: the file is refused with the first fault's status.)

#include "ContBase.h"
#include "ProjectDocument.h"
#include "XmlParser.h"
#include "XmlStreamReader.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CDataInt;

class CProjectReader : private CXmlStreamReader::Handler {
public:
    CProjectReader(CDataInt& root, FileVersionInfo& versions);
    ~CProjectReader() override;
    CProjectReader(const CProjectReader&) = delete;
    CProjectReader& operator=(const CProjectReader&) = delete;

    void Feed(std::wstring_view text);
    // The document has failed as text (too large an item, too deep a nesting): nothing more
    // of it is read, and the rest of the file need not be.
    bool Stopped() const { return m_reader.Status() != 0; }
    // The end of the document: the load's status. `ioStatus` (reading or unpacking the file
    // failed) outranks anything the text says.
    int Finish(int ioStatus);

private:
    // The steps of a load, in the order their failures rank.
    enum Step { kStepFileInfo, kStepData, kStepSettings, kStepSections, kStepPlugins = kStepSections + 4, kStepCount };
    static constexpr int kSections = 4; // holidays, calendars, resources, filters

    Placement Enter(int parentTag, std::wstring_view name) override;
    void Built(int tag, CXmlParser& parser, CXmlElement* element) override;
    void Left(int tag) override;

    // The step has failed, or one before it: its reading would not have been reached. After a
    // rollback nothing is read.
    bool Skipped(int step) const { return m_rolledBack || step > m_failedStep; }
    void Fail(int step, int status);
    void ReadSettings(CXmlParser& parser);
    void SectionDone(int section);
    void ReadHeldSections();

    CDataInt& m_root;
    FileVersionInfo& m_versions;
    CXmlStreamReader m_reader;
    CXmlParser m_scratch; // the element being built (one at a time)
    int m_failedStep = kStepCount;
    int m_status = 0;
    bool m_rolledBack = false;
    bool m_fileInfoSeen = false;
    bool m_dataSeen = false;
    bool m_settingsSeen = false;
    bool m_seen[kSections] = {};
    bool m_done[kSections] = {};
    std::optional<CXmlCollectionReader> m_items[kSections];
    // A section met before one it depends on is held whole (only filters, before resources).
    std::unique_ptr<CXmlParser> m_held[kSections];
    bool m_heldComplete[kSections] = {};
    bool m_keepText = false; // plug-in readers want the whole text
    std::wstring m_text;
};
