// The picture writers beside the drawing when the process is short of threads or memory.
#include "CoreTestEnv.h"

#include "output/PngQueue.h"

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

} // namespace
