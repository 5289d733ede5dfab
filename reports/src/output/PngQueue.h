#pragma once
// CPngQueue: PNG files (WritePngFile) written on worker threads while the caller draws the next
// picture. A job reads the caller's pixels until Wait has returned for it, so the caller keeps
// them untouched until then. Pictures are independent files: the threads change no byte.

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CPngQueue {
public:
    // `threads` workers; with none, Add writes the file itself.
    explicit CPngQueue(int threads);
    // Waits for every job.
    ~CPngQueue();
    CPngQueue(const CPngQueue&) = delete;
    CPngQueue& operator=(const CPngQueue&) = delete;

    // Workers worth having here: the processors but the caller's, at most `most`.
    static int ThreadsFor(int most);

    // Queues the writing of `path`; returns the job's number, counting from 0.
    int Add(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels);
    // Waits for job `job`; true when its file was written.
    bool Wait(int job);
    // The jobs added so far.
    int Count();

private:
    struct Job {
        std::wstring path;
        BITMAPINFOHEADER header{};
        const void* pixels = nullptr;
        bool done = false;
        bool written = false;
    };
    void Work();

    std::mutex m_lock;
    std::condition_variable m_added;
    std::condition_variable m_finished;
    std::vector<Job> m_jobs;
    size_t m_next = 0; // the first job no worker has taken
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
