// Waiting for a log directory to change without using the processor meanwhile: the
// system's file notifications where it gives them, a slow poll where it does not
// (network shares), and a wake-up that any thread may send.
#pragma once

#include <chrono>
#include <string>

#include "base/FileAccess.h"

namespace corvane {

class FileWatch {
public:
    // Watches the files in `directory` (not its subdirectories).  Without
    // notifications every wait lasts its whole timeout.
    explicit FileWatch(std::string directory);
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Whether the system tells of changes in the directory right now; when the
    // directory vanished and came back, the next wait watches it again.
    bool Notifies() const { return watch_ >= 0; }

    enum class Woken { Changed, Timeout, Wake };
    // Blocks until a file in the directory changed, Wake() was called or `timeout`
    // passed.  Notifications that arrive in a burst are taken as one.
    Woken Wait(std::chrono::milliseconds timeout);

    // Ends the current or the next wait.  Safe from any thread.
    void Wake();

private:
    void AddWatch();
    bool DrainNotifications();

    std::string directory_;
    FileDescriptor notify_;
    FileDescriptor wake_;
    int watch_ = -1;
};

}  // namespace corvane
