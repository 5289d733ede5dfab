// A named pipe of the host system (a FIFO) at a Windows path, for tests of what a program does
// with a path that names no file: under Wine, it opens like a file but reads like a pipe.
#pragma once

#include <string>

namespace qvtest {

// A host's named pipe with a writer that writes nothing, held open while the object lives: a
// read of the pipe waits for ever. Made with the host's mkfifo at a path that names nothing yet.
class SilentHostFifo {
public:
    explicit SilentHostFifo(const std::wstring& path);
    ~SilentHostFifo();
    SilentHostFifo(const SilentHostFifo&) = delete;
    SilentHostFifo& operator=(const SilentHostFifo&) = delete;

    // false where the program does not run under Wine or the pipe could not be made or opened.
    bool Ready() const { return reader_ && writer_; }

private:
    void* reader_ = nullptr;
    void* writer_ = nullptr;
};

} // namespace qvtest
