// The platform's file notifications (inotify) and wake-up (eventfd).
#include "follow/FileWatch.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

namespace corvane {
namespace {

// What a writer, a rotation or a new file of the day does to the directory.
constexpr std::uint32_t kWatched = IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                   IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF |
                                   IN_MOVE_SELF;

}  // namespace

FileWatch::FileWatch(std::string directory)
    : directory_(std::move(directory)),
      notify_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
      wake_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    AddWatch();
}

FileWatch::~FileWatch() = default;

void FileWatch::AddWatch() {
    if (!notify_ || watch_ >= 0) return;
    watch_ = ::inotify_add_watch(notify_.Get(), directory_.empty() ? "/" : directory_.c_str(),
                                 kWatched | IN_ONLYDIR);
}

// Reads every notification there is; false when the watch itself went away (the
// directory was removed or moved).
bool FileWatch::DrainNotifications() {
    alignas(inotify_event) std::array<char, 4096> buffer;
    bool kept = true;
    for (;;) {
        const ssize_t n = ::read(notify_.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) kept = false;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return kept;
}

FileWatch::Woken FileWatch::Wait(std::chrono::milliseconds timeout) {
    AddWatch();
    std::array<pollfd, 2> fds{};
    fds[0] = {wake_.Get(), POLLIN, 0};
    fds[1] = {watch_ >= 0 ? notify_.Get() : -1, POLLIN, 0};
    const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(timeout.count()));
    if (ready <= 0) return Woken::Timeout;  // a signal counts as a timeout: callers look again
    if (fds[0].revents != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t n = ::read(wake_.Get(), &count, sizeof count);
        return Woken::Wake;
    }
    // A writer writes line after line: what arrives within a short while is one change.
    constexpr int kBurstMs = 20;
    bool kept = DrainNotifications();
    if (kept && ::poll(&fds[1], 1, kBurstMs) > 0) kept = DrainNotifications();
    if (!kept) {
        ::inotify_rm_watch(notify_.Get(), watch_);
        watch_ = -1;
    }
    return Woken::Changed;
}

void FileWatch::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_.Get(), &one, sizeof one);
}

}  // namespace corvane
