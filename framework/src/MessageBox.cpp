// Message boxes through a replaceable sink.
#include "fw/MessageBox.h"

#include "fw/Resources.h"

#include <cstdlib>

namespace fw {

namespace {

class CSystemMessageSink : public IMessageSink {
public:
    int Show(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override
    {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
    }
};

CSystemMessageSink gSystemSink;
IMessageSink* gSink = &gSystemSink;
std::wstring gCaption;

// A failure without a reason is put down to memory when the heap cannot give a block of this
// size now: no printer driver or window gets far in a process that short of memory, and in one
// that is not, memory was not why.
constexpr std::size_t kMemoryProbeBytes = 1024 * 1024;

bool MemoryIsShort() noexcept
{
    void* probe = std::malloc(kMemoryProbeBytes);
    std::free(probe);
    return probe == nullptr;
}

} // namespace

IMessageSink* SetMessageSink(IMessageSink* sink)
{
    IMessageSink* previous = gSink;
    gSink = sink ? sink : &gSystemSink;
    return previous == &gSystemSink ? nullptr : previous;
}

void SetMessageCaption(std::wstring caption)
{
    gCaption = std::move(caption);
}

int ShowMessage(HWND owner, const std::wstring& text, UINT flags)
{
    return gSink->Show(owner, text, gCaption, flags);
}

int ShowMessageId(HWND owner, UINT id, UINT flags)
{
    return ShowMessage(owner, LoadResString(id), flags);
}

int ShowFailureOrNoMemory(HWND owner, UINT id, UINT flags)
{
    return ShowMessageId(owner, MemoryIsShort() ? kNoMemoryMessageId : id, flags);
}

void ShowNoMemory(HWND owner) noexcept
{
    try {
        ShowMessageId(owner, kNoMemoryMessageId, MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
}

} // namespace fw
