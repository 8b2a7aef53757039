// The lock keys on X11: the XKB indicators of the X display.
#include "app/lock_keys.h"

// The X headers define macros (Bool, Status, None ...): nothing of the
// program is included after them.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace qm530::app {

namespace {

// A connection of its own to the X display, asked for the named indicators
// of the core keyboard.
class XkbLockKeySource : public LockKeySource {
  public:
    static std::unique_ptr<LockKeySource> Open() {
        int event = 0;
        int error = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        int reason = 0;
        Display* display = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
        if (display == nullptr) return nullptr;
        return std::unique_ptr<LockKeySource>(new XkbLockKeySource(display));
    }
    ~XkbLockKeySource() override { XCloseDisplay(display_); }
    XkbLockKeySource(const XkbLockKeySource&) = delete;
    XkbLockKeySource& operator=(const XkbLockKeySource&) = delete;

    std::optional<LockKeyStates> Query() override {
        bool known = false;
        auto lit = [this, &known](Atom name) {
            int index = 0;
            int on = 0;
            if (XkbGetNamedIndicator(display_, name, &index, &on, nullptr, nullptr) == 0)
                return false;
            known = true;
            return on != 0;
        };
        LockKeyStates states;
        states.caps = lit(caps_);
        states.num = lit(num_);
        states.scroll = lit(scroll_);
        if (!known) return std::nullopt;
        return states;
    }

  private:
    explicit XkbLockKeySource(Display* display)
        : display_(display),
          caps_(XInternAtom(display, "Caps Lock", 0)),
          num_(XInternAtom(display, "Num Lock", 0)),
          scroll_(XInternAtom(display, "Scroll Lock", 0)) {}

    Display* display_;
    Atom caps_;
    Atom num_;
    Atom scroll_;
};

}  // namespace

std::unique_ptr<LockKeySource> MakeLockKeySource(const std::string& platformName) {
    if (platformName == "xcb") return XkbLockKeySource::Open();
    return nullptr;
}

}  // namespace qm530::app
