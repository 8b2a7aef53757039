#pragma once

#include <ctime>

namespace qm530 {

// `when` in the local time zone.
std::tm LocalTime(std::time_t when);

}  // namespace qm530
