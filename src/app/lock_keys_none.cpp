// The lock keys where the program cannot read them (a build without X11's
// keyboard extension): no source, and the status bar panes stay grey.
#include "app/lock_keys.h"

namespace qm530::app {

std::unique_ptr<LockKeySource> MakeLockKeySource(const std::string&) {
    return nullptr;
}

}  // namespace qm530::app
