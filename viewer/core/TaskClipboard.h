#pragma once
// The task clipboard: the selected task occurrences as Unicode text (one tab-separated line per
// occurrence) and, at the same time, as binary task records under the private clipboard format
// named by string 150. The viewer only writes these formats.

#include "QV2PluginInterface.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One occurrence as it goes to the clipboard; owns copies of its texts.
struct CTaskClipboardRecord {
    std::wstring name;
    std::wstring resourceName; // empty for a task without a resource
    std::wstring note;
    int32_t startDay = 0;      // TDate day numbers
    int32_t endDay = 0;
    int32_t startMinute = 0;   // as held by the task or series
    int32_t endMinute = 0;
    uint32_t textColor = 0;    // 0x00BBGGRR
    uint32_t barColor = 0;
    bool bold = false;
    bool costsCalculated = false;
    double variableCosts = 0;
    double fixedCosts = 0;
    int32_t costsTimeUnit = 0;
    std::vector<std::pair<std::wstring, std::wstring>> userFields; // (name, value) in the task's order
};

// The record of one occurrence: a task of its own with its own start and end; the template of
// a series with the series' start time and the occurrence's end.
CTaskClipboardRecord MakeTaskRecord(const TaskOccurrence& occurrence);
// The text line of a record (no line break at its end).
std::wstring TaskRecordText(const CTaskClipboardRecord& record);
// The binary block: the record count, then the records, little-endian, unpadded.
std::vector<uint8_t> TaskRecordsBlock(const std::vector<CTaskClipboardRecord>& records);

// Registers the private format once per run; true when an id is held.
bool RegisterTaskClipboardFormat();
UINT TaskClipboardFormat(); // 0 before a successful registration

// Command 57634: puts the selection on the clipboard (emptied first; left empty without a
// selection). False when nothing was copied: the clipboard could not be opened, or there was not
// enough memory for the copy (said in a message; the clipboard keeps what it held).
bool CopySelectedTasks(HWND owner);
