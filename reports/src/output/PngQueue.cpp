// PNG files written beside the drawing.
#include "output/PngQueue.h"

#include "RuntimeReady.h"

#include <algorithm>
#include <new>

namespace {

// Holds an SRW lock while it lives, but for the stretches between Unlock and Lock.
class CHeld {
public:
    explicit CHeld(SRWLOCK& lock) : m_lock(lock) { AcquireSRWLockExclusive(&m_lock); }
    ~CHeld()
    {
        if (m_held)
            ReleaseSRWLockExclusive(&m_lock);
    }
    CHeld(const CHeld&) = delete;
    CHeld& operator=(const CHeld&) = delete;

    void Unlock()
    {
        ReleaseSRWLockExclusive(&m_lock);
        m_held = false;
    }
    void Lock()
    {
        AcquireSRWLockExclusive(&m_lock);
        m_held = true;
    }
    // Waits on `condition`, the lock let go meanwhile, until `done` answers true.
    template <class Done>
    void Wait(CONDITION_VARIABLE& condition, Done done)
    {
        while (!done())
            SleepConditionVariableSRW(&condition, &m_lock, INFINITE, 0);
    }

private:
    SRWLOCK& m_lock;
    bool m_held = true;
};

} // namespace

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
        const CHeld lock(m_lock);
        m_closing = true;
    }
    WakeAllConditionVariable(&m_added);
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
    CHeld lock(m_lock);
    const int job = static_cast<int>(m_jobs.size());
    m_jobs.push_back({path, header, pixels, false, false});
    if (m_threads.empty()) {
        // Nobody else would write it.
        m_next = m_jobs.size();
        lock.Unlock();
        bool noMemory = false;
        const bool written = Write(m_jobs[static_cast<size_t>(job)], noMemory);
        lock.Lock();
        m_jobs[static_cast<size_t>(job)].written = written;
        m_jobs[static_cast<size_t>(job)].noMemory = noMemory;
        m_jobs[static_cast<size_t>(job)].done = true;
        return job;
    }
    lock.Unlock();
    WakeConditionVariable(&m_added);
    return job;
}

bool CPngQueue::Wait(int job)
{
    CHeld lock(m_lock);
    if (job < 0 || static_cast<size_t>(job) >= m_jobs.size())
        return false;
    lock.Wait(m_finished, [&] { return m_jobs[static_cast<size_t>(job)].done; });
    return m_jobs[static_cast<size_t>(job)].written;
}

bool CPngQueue::RanOutOfMemory(int job)
{
    const CHeld lock(m_lock);
    return job >= 0 && static_cast<size_t>(job) < m_jobs.size() && m_jobs[static_cast<size_t>(job)].noMemory;
}

int CPngQueue::Count()
{
    const CHeld lock(m_lock);
    return static_cast<int>(m_jobs.size());
}

void CPngQueue::Work()
{
    // A picture that runs out of memory must fail its job, not end the process.
    ReadyRuntimeForThread();
    CHeld lock(m_lock);
    for (;;) {
        lock.Wait(m_added, [&] { return m_closing || m_next < m_jobs.size(); });
        if (m_next >= m_jobs.size())
            return; // closing, and nothing left
        Job& job = m_jobs[m_next++];
        lock.Unlock();
        bool noMemory = false;
        const bool written = Write(job, noMemory);
        lock.Lock();
        job.written = written;
        job.noMemory = noMemory;
        job.done = true;
        WakeAllConditionVariable(&m_finished);
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
