// The picture writers beside the drawing when the process is short of threads or memory.
#include "CoreTestEnv.h"

#include "output/PngQueue.h"

#include "ScarceAddressSpace.h"

#include <new>
#include <system_error>

namespace {

using PngQueueTest = ReportTest;

// Workers that do not all start are joined, not left to end the process: those that did (or the
// caller, when none did) write every picture. A writer that runs out of memory fails its
// picture only.
TEST_F(PngQueueTest, Workers_fewerThanAskedStillWriteAndAWriterOutOfMemoryFailsItsPicture)
{
    rtest::CTempFolder folder;
    BITMAPINFOHEADER header{}; // what WritePngFile reads of it
    header.biWidth = 2;
    header.biHeight = 2;
    header.biBitCount = 24;
    const unsigned char pixels[16] = {};
    const CPngQueue::WriteFn write = [](const std::wstring& path, const BITMAPINFOHEADER& h, const void* p) {
        if (path.find(L"short") != std::wstring::npos)
            throw std::bad_alloc();
        return WritePngFile(path, h, p);
    };
    for (int started : {0, 2}) {
        int asked = 0;
        const CPngQueue::StartFn start = [&](std::function<void()> work) {
            if (asked++ == started)
                throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            return std::thread(std::move(work));
        };
        const std::wstring prefix = folder.File(std::to_wstring(started));
        CPngQueue queue(5, write, start);
        EXPECT_EQ(queue.Threads(), started);
        for (const wchar_t* name : {L"a.png", L"short.png", L"b.png", L"c.png"})
            queue.Add(prefix + name, header, pixels);
        EXPECT_TRUE(queue.Wait(0)) << started;
        EXPECT_FALSE(queue.Wait(1)) << started;
        EXPECT_TRUE(queue.Wait(2)) << started;
        EXPECT_TRUE(queue.Wait(3)) << started;
        // The failed picture is told as memory's, the others not.
        EXPECT_TRUE(queue.RanOutOfMemory(1)) << started;
        EXPECT_FALSE(queue.RanOutOfMemory(0) || queue.RanOutOfMemory(2)) << started;
        EXPECT_TRUE(rtest::FileExists(prefix + L"c.png")) << started;
        EXPECT_FALSE(rtest::FileExists(prefix + L"short.png")) << started;
    }
}

// A queue first used while no memory is left (the lock taken for the first time then, as when
// no worker started): the queue itself needs none, and the picture is written.
TEST_F(PngQueueTest, FirstUseWithoutMemory_theQueueNeedsNone)
{
    BITMAPINFOHEADER header{};
    const unsigned char pixels[16] = {};
    // A writer that needs no memory either, and a name short enough to need none of its own.
    int writes = 0;
    const CPngQueue::WriteFn write = [&](const std::wstring&, const BITMAPINFOHEADER&, const void*) {
        ++writes;
        return true;
    };
    CPngQueue queue(0, write);
    bool written = false;
    {
        qvtest::ScarceAddressSpace space(std::size_t(16) << 20, std::size_t(1) << 20);
        space.TakeHeap(0);
        written = queue.Wait(queue.Add(L"a.png", header, pixels));
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(writes, 1);
    EXPECT_FALSE(queue.RanOutOfMemory(0));
}

} // namespace
