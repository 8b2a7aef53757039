#include "model/local_time.h"

namespace qm530 {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    ::localtime_s(&local, &when);
    return local;
}

}  // namespace qm530
