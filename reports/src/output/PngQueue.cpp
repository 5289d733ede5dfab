// PNG files written beside the drawing.
#include "output/PngQueue.h"

#include "RuntimeReady.h"

#include <algorithm>
#include <new>

CPngQueue::CPngQueue(int threads, WriteFn write, StartFn start) : m_write(std::move(write))
{
    // A process short of threads or memory starts fewer workers, or none. A thread that
    // started must be joined: an exception leaving here would destroy it joinable, which
    // terminates the process.
    try {
        m_threads.reserve(static_cast<size_t>(std::max(0, threads)));
        for (int i = 0; i < threads; ++i)
            m_threads.push_back(start([this] { Work(); }));
    } catch (...) {
        // Those that started write the pictures; with none, Add does.
    }
}

CPngQueue::~CPngQueue()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_closing = true;
    }
    m_added.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

int CPngQueue::ThreadsFor(int most)
{
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(processors - 1, 0, std::max(0, most));
}

std::thread CPngQueue::StartThread(std::function<void()> work)
{
    return std::thread(std::move(work));
}

int CPngQueue::Add(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels)
{
    std::unique_lock<std::mutex> lock(m_lock);
    const int job = static_cast<int>(m_jobs.size());
    m_jobs.push_back({path, header, pixels, false, false});
    if (m_threads.empty()) {
        // Nobody else would write it.
        m_next = m_jobs.size();
        lock.unlock();
        bool noMemory = false;
        const bool written = Write(m_jobs[static_cast<size_t>(job)], noMemory);
        lock.lock();
        m_jobs[static_cast<size_t>(job)].written = written;
        m_jobs[static_cast<size_t>(job)].noMemory = noMemory;
        m_jobs[static_cast<size_t>(job)].done = true;
        return job;
    }
    lock.unlock();
    m_added.notify_one();
    return job;
}

bool CPngQueue::Wait(int job)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (job < 0 || static_cast<size_t>(job) >= m_jobs.size())
        return false;
    m_finished.wait(lock, [&] { return m_jobs[static_cast<size_t>(job)].done; });
    return m_jobs[static_cast<size_t>(job)].written;
}

bool CPngQueue::RanOutOfMemory(int job)
{
    std::lock_guard<std::mutex> lock(m_lock);
    return job >= 0 && static_cast<size_t>(job) < m_jobs.size() && m_jobs[static_cast<size_t>(job)].noMemory;
}

int CPngQueue::Count()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return static_cast<int>(m_jobs.size());
}

void CPngQueue::Work()
{
    // A picture that runs out of memory must fail its job, not end the process.
    ReadyRuntimeForThread();
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        m_added.wait(lock, [&] { return m_closing || m_next < m_jobs.size(); });
        if (m_next >= m_jobs.size())
            return; // closing, and nothing left
        Job& job = m_jobs[m_next++];
        lock.unlock();
        bool noMemory = false;
        const bool written = Write(job, noMemory);
        lock.lock();
        job.written = written;
        job.noMemory = noMemory;
        job.done = true;
        m_finished.notify_all();
    }
}

bool CPngQueue::Write(const Job& job, bool& noMemory) const noexcept
{
    // No exception may leave a worker's thread: the process would end. The picture is then
    // not written, and the page tells the user so.
    try {
        return m_write(job.path, job.header, job.pixels);
    } catch (const std::bad_alloc&) {
        noMemory = true;
        return false;
    } catch (...) {
        return false;
    }
}
