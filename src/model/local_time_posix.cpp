#include "model/local_time.h"

namespace qm530 {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

}  // namespace qm530
