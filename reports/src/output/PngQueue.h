#pragma once
// CPngQueue: PNG files (WritePngFile) written on worker threads while the caller draws the next
// picture. A job reads the caller's pixels until Wait has returned for it, so the caller keeps
// them untouched until then. Pictures are independent files: the threads change no byte.

#include "output/PngWriter.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class CPngQueue {
public:
    // Writes one picture file; true when written. An exception counts as a file not written,
    // std::bad_alloc as one not written for want of memory (RanOutOfMemory).
    using WriteFn = std::function<bool(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels)>;
    // Starts a thread that runs `work`; throws as std::thread does when none can be started.
    using StartFn = std::function<std::thread(std::function<void()> work)>;

    // Up to `threads` workers: as many as start, down to none, when Add writes the file itself.
    // `write` and `start` are replaced by tests only.
    explicit CPngQueue(int threads, WriteFn write = WritePngFile, StartFn start = StartThread);
    // Waits for every job.
    ~CPngQueue();
    CPngQueue(const CPngQueue&) = delete;
    CPngQueue& operator=(const CPngQueue&) = delete;

    // Workers worth having here: the processors but the caller's, at most `most`.
    static int ThreadsFor(int most);
    // A std::thread running `work`.
    static std::thread StartThread(std::function<void()> work);

    // The workers that started.
    int Threads() const { return static_cast<int>(m_threads.size()); }
    // Queues the writing of `path`; returns the job's number, counting from 0.
    int Add(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels);
    // Waits for job `job`; true when its file was written.
    bool Wait(int job);
    // After Wait: whether job `job` failed for want of memory.
    bool RanOutOfMemory(int job);
    // The jobs added so far.
    int Count();

private:
    struct Job {
        std::wstring path;
        BITMAPINFOHEADER header{};
        const void* pixels = nullptr;
        bool done = false;
        bool written = false;
        bool noMemory = false; // the writer ran out of memory
    };
    void Work();
    // The job's file written; false also when the writer threw, with `noMemory` set when it ran
    // out of memory.
    bool Write(const Job& job, bool& noMemory) const noexcept;

    WriteFn m_write;
    // The system's lock and conditions, which need no memory: the standard library's make theirs
    // on first use and throw when that fails, as it may in a process short of memory, in a
    // worker too (whose exception would end the process).
    SRWLOCK m_lock = SRWLOCK_INIT;
    CONDITION_VARIABLE m_added = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE m_finished = CONDITION_VARIABLE_INIT;
    // A deque keeps its jobs in place as it grows: a worker reads its job without the lock
    // and without copying it.
    std::deque<Job> m_jobs;
    size_t m_next = 0; // the first job no worker has taken
    bool m_closing = false;
    std::vector<std::thread> m_threads; // set by the constructor only
};
