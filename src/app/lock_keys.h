#pragma once

#include <memory>
#include <optional>
#include <string>

namespace qm530::app {

// The lock keys' states as the keyboard's indicators show them.
struct LockKeyStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const LockKeyStates&) const = default;
};

// Where the lock states come from. Query has no value when the platform
// cannot tell at the moment.
class LockKeySource {
  public:
    virtual ~LockKeySource() = default;
    virtual std::optional<LockKeyStates> Query() = 0;
};

// The source of the window system the program runs on ("xcb": the XKB
// indicators of the X display, when the program was built with them;
// "windows": the Windows keyboard state). Null where the states cannot be
// read (offscreen, Wayland, a build without X11).
std::unique_ptr<LockKeySource> MakeLockKeySource(const std::string& platformName);

}  // namespace qm530::app
