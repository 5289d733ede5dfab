// Message boxes through a replaceable sink.
#include "fw/MessageBox.h"

#include "fw/Resources.h"

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

void ShowNoMemory(HWND owner) noexcept
{
    try {
        ShowMessageId(owner, kNoMemoryMessageId, MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
}

} // namespace fw
