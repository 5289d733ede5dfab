#pragma once
// Message boxes of the program. Every box goes through one replaceable sink, so tests record the
// boxes instead of blocking on them.

#include <windows.h>

#include <string>

namespace fw {

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    // Shows (or records) one box; returns the button chosen (IDOK, IDYES, ...).
    virtual int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) = 0;
};

// Replaces the sink; null restores the system message box. Returns the previous sink.
IMessageSink* SetMessageSink(IMessageSink* sink);

// Caption used for every box (the application title).
void SetMessageCaption(std::wstring caption);

// The message that an operation ran out of memory, without a placeholder.
constexpr UINT kNoMemoryMessageId = 933;

int ShowMessage(HWND owner, const std::wstring& text, UINT flags);
// The text is resource string `id` of the resource module.
int ShowMessageId(HWND owner, UINT id, UINT flags);
// Tells that what the user asked for ran out of memory and was not done (kNoMemoryMessageId).
// Never throws: with too little memory even for the box, nothing is shown.
void ShowNoMemory(HWND owner) noexcept;
// For a failure the system gives no reason for (a device context or a window not made): the
// no-memory message when memory is short now, else message `id`.
int ShowFailureOrNoMemory(HWND owner, UINT id, UINT flags);

} // namespace fw
