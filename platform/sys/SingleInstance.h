#pragma once
// One running editor per user: the first instance holds a lock file and
// listens on a local socket beside it; a later start finds the lock taken,
// asks the first instance over the socket to come forward, and ends. The
// first instance hears the socket through the GUI thread's descriptor watch.

#include "platform/sys/GuiThread.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace korvan::sys {

class SingleInstance {
public:
    // `folder` defaults to $XDG_RUNTIME_DIR, else the temporary folder.
    SingleInstance(std::string key, std::filesystem::path folder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the first instance; `onActivate` then runs on
    // `gui` each time a later start asks. GUI thread.
    bool Claim(GuiThread& gui, std::function<void()> onActivate);
    // Asks the first instance to come forward; true when it confirmed
    // within `timeoutMs`.
    bool ActivateFirst(int timeoutMs = 5000);

    std::filesystem::path LockPath() const;
    std::filesystem::path SocketPath() const;

private:
    struct Server;
    std::string key_;
    std::filesystem::path folder_;
    int lockFd_ = -1;
    std::unique_ptr<Server> server_;
};

} // namespace korvan::sys
