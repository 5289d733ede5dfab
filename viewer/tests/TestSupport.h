#pragma once
// Helpers of the viewer's tests: the call log that the stand-in libraries write to, a message
// box sink that records instead of blocking, temporary folders, and the folders of the build.

#include "fw/MessageBox.h"

#include <string>
#include <vector>

namespace qvtest {

// Lines logged by the stand-in libraries (exported from the test program as QvTestLog).
std::vector<std::wstring>& LogLines();
void ClearLog();
// The lines that begin with `prefix`.
std::vector<std::wstring> LogLinesOf(const std::wstring& prefix);
// Position of the first line equal to `line`; -1 when absent.
int LogIndex(const std::wstring& line);

struct RecordedMessage {
    std::wstring text;
    UINT flags = 0;
};

// Records every message box; answers `answer`.
class CMessageRecorder : public fw::IMessageSink {
public:
    CMessageRecorder();
    ~CMessageRecorder() override;
    int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override;

    std::vector<RecordedMessage> messages;
    int answer = IDOK;

private:
    fw::IMessageSink* m_previous;
};

// A fresh folder under the temporary folder, removed with everything in it at destruction.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
    // Writes 8-bit text (created with its folders).
    void Write(const std::wstring& name, const std::string& text) const;
    void MakeFolder(const std::wstring& name) const;
    // Copies a file into the folder under a new name (folders created).
    bool Copy(const std::wstring& from, const std::wstring& name) const;

private:
    std::wstring m_path;
};

// Handles every message waiting for this thread.
void PumpMessages();

// Puts `text` on the clipboard as Unicode text, in place of all it held; false when the
// clipboard could not be opened.
bool PutTextOnClipboard(HWND owner, const wchar_t* text);
// The Unicode text on the clipboard ("(not opened)" when the clipboard could not be opened).
std::wstring ClipboardText();

// Keys as a dialog's message loop hands them on (IsDialogMessage), from the window with the
// focus: a key press, and an access key (Alt with a letter). true when the dialog took the key.
bool DialogKey(HWND dialog, UINT key);
bool DialogAccessKey(HWND dialog, wchar_t letter);
// The windows that Tab gives the focus to, one after the other, from `first` until the focus is
// back on it (at most 40 presses).
std::vector<HWND> TabCycle(HWND dialog, HWND first);

// The folder of the running test program, with its trailing backslash.
std::wstring TestProgramFolder();
// The program folder of the build (build/bin), with its trailing backslash.
std::wstring BinFolder();
// The stand-in libraries (build/tests/stubs), with its trailing backslash.
std::wstring StubFolder();

std::string ReadFileBytes(const std::wstring& path);
// The text of an initialization file: UTF-16 after its byte-order mark, else 8-bit text in the
// ANSI code page.
std::wstring ReadIniText(const std::wstring& path);

} // namespace qvtest
