// The lock keys on Windows: the toggle bits of the keyboard state, which
// Windows keeps for the thread as of the last input message it took.
#include <windows.h>

#include "app/lock_keys.h"

namespace qm530::app {

namespace {

class WindowsLockKeySource : public LockKeySource {
  public:
    std::optional<LockKeyStates> Query() override {
        auto toggled = [](int key) { return (::GetKeyState(key) & 1) != 0; };
        LockKeyStates states;
        states.caps = toggled(VK_CAPITAL);
        states.num = toggled(VK_NUMLOCK);
        states.scroll = toggled(VK_SCROLL);
        return states;
    }
};

}  // namespace

// The window system's plugins ("windows", "direct2d") take the keyboard
// state; offscreen has no keyboard of its own.
std::unique_ptr<LockKeySource> MakeLockKeySource(const std::string& platformName) {
    if (platformName != "windows" && platformName != "direct2d") return nullptr;
    return std::make_unique<WindowsLockKeySource>();
}

}  // namespace qm530::app
