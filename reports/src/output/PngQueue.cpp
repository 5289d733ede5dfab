// PNG files written beside the drawing.
#include "output/PngQueue.h"

#include "output/PngWriter.h"

#include <algorithm>

CPngQueue::CPngQueue(int threads)
{
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { Work(); });
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

int CPngQueue::Add(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels)
{
    std::unique_lock<std::mutex> lock(m_lock);
    const int job = static_cast<int>(m_jobs.size());
    m_jobs.push_back({path, header, pixels, false, false});
    if (m_threads.empty()) {
        // Nobody else would write it.
        m_next = m_jobs.size();
        lock.unlock();
        const bool written = WritePngFile(path, header, pixels);
        lock.lock();
        m_jobs[static_cast<size_t>(job)].written = written;
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

int CPngQueue::Count()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return static_cast<int>(m_jobs.size());
}

void CPngQueue::Work()
{
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        m_added.wait(lock, [&] { return m_closing || m_next < m_jobs.size(); });
        if (m_next >= m_jobs.size())
            return; // closing, and nothing left
        const size_t job = m_next++;
        // The vector may grow meanwhile: the worker copies what it reads.
        const std::wstring path = m_jobs[job].path;
        const BITMAPINFOHEADER header = m_jobs[job].header;
        const void* const pixels = m_jobs[job].pixels;
        lock.unlock();
        const bool written = WritePngFile(path, header, pixels);
        lock.lock();
        m_jobs[job].written = written;
        m_jobs[job].done = true;
        m_finished.notify_all();
    }
}
