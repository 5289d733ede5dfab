#pragma once
// Basic types of the planning-data interfaces: colours, item kinds, change bits, status codes,
// callback types and the task-occurrence entry. Every object behind these interfaces belongs to
// the data library; callers read and edit them but never free them.

#include "TDate.h"

namespace wqv2_data {

class CData;
class CTask;
class CTasks;
class CResource;
class CResources;
class CCalendar;
class CCalendars;
class CCalendarException;
class CCalendarExceptions;
class CHoliday;
class CHolidays;
class CFilter;
class CFilters;
class CRecurrence;
class CRecurrences;
struct CRecurrencePattern;
class CProjectSettings;

// 24-bit RGB, red in the low byte; the same bits as a Windows COLORREF.
using Color = unsigned long;

// Item kinds: the bit numbers of the change bits and of the keep mask of CData::Close.
enum Kind : int {
    kKindProjectSettings = 1,
    kKindResource = 2,
    kKindRecurrence = 3,
    kKindTask = 4,
    kKindHoliday = 5,
    kKindFilter = 6,
    kKindCalendar = 7,
    kKindCalendarException = 8,
};
constexpr int kKindFirst = kKindProjectSettings;
constexpr int kKindLast = kKindCalendarException;

// Change bits handed to every change listener.
constexpr unsigned int kChangeLoaded = 1u; // a project was loaded, reloaded or closed
constexpr unsigned int ChangeBit(int kind) { return 1u << kind; }

// Keep-mask bits of CData::Close besides the kind bits.
constexpr int kKeepAll = 1;                  // bit 0: keep every container
constexpr int kKeepUserFieldDefinitions = 1 << 31;

// Status codes of the data library.
enum Status : int {
    kOk = 0,
    kErrTransaction = 1,   // a transaction was already open (rolled back), a refused call, or an undo
                           // step whose item no longer exists
    kErrInvalid = 2,       // validation failed; the open transaction was rolled back
    kErrRolledBack = 3,    // commit with no open transaction (after a rollback, or none begun)
    kErrUnknownCommand = 5,
    kErrReadOnly = 6,
    kErrFormat = 8,        // no file, format not recognised or a required element missing
    kErrOpen = 9,          // the file cannot be opened
    kErrIo = 10,           // read, write or unpack error
    kErrNewerVersion = 12, // the file needs a newer data library
    kErrRefused = 13,      // edit refused by the host
    kErrNoMemory = 14,     // not enough memory: an open or reload leaves the project as it was
    kErrTooLarge = 15,     // the file holds more than the library reads (an item beyond its bound,
                           // an older-format file beyond its size): refused, the project kept
};

// Codes of CData::Command.
enum Command : int {
    kCmdNewTask = 0,          // arg: CTask**; a stand-alone task owned by the caller
    kCmdClearModified = 1,
    kCmdSetRefuseEditHook = 4, // arg: RefuseEditHook or null
    kCmdNewRecurrence = 5,    // arg: CRecurrence**; a stand-alone series owned by the caller
};

// Questions of CData::GetFileInfo.
enum FileInfo : int {
    kInfoLegacy = 0,          // 1: the open file was read in the older sectioned text format
    kInfoZipped = 1,          // 1: the open file is a ZIP container
    kInfoFullVersion = 2,     // out: double; 1: this library is not older than the file requires
    kInfoVersionTexts = 3,    // out: 4 x 100 wchar_t: AppVersion, DllVersion, DllRequiredVersion(Full)
};
constexpr int kVersionTextChars = 100;

// Flags of CData::Reload.
constexpr unsigned int kReloadKeepViewSettings = 1u;

// Characters of the buffer that CData::GetPath fills.
constexpr int kPathChars = 260;

// Callbacks registered with the data root; all run on the caller's thread.
using ChangeListener = void (*)(unsigned int changeBits);
using XmlWriter = const wchar_t* (*)();
using XmlReader = int (*)(const wchar_t* documentText);
using RefuseEditHook = void (*)();

// One shown occurrence of a task: an ordinary task with its DateStart, or an occurrence day of a
// recurring series with the series' template task.
struct TaskOccurrence {
    int day;     // a TDate day number
    CTask* task; // not owned
};

// Working-time range: minutes of one day, end 0 meaning 24:00. Lists are int arrays of pairs.
constexpr int kMaxWorkingTimeRanges = 2880;

// User-field kinds of CProjectSettings (resource fields, task fields).
constexpr int kUserFieldsResource = kKindResource;
constexpr int kUserFieldsTask = kKindTask;

} // namespace wqv2_data
