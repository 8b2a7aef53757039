#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "model/status.h"

namespace qm530::cli {

// The CSV file of --log: one record appended per radio, with a header
// record when the file is new. Safe to use from several threads.
class RadioLog {
  public:
    explicit RadioLog(std::string path) : path_(std::move(path)) {}

    // time (local, ISO 8601), port, identification bytes in hex, result, seconds.
    Status Append(const std::string& port, const std::vector<std::uint8_t>& ident,
                  const std::string& result, double seconds);

  private:
    std::mutex mutex_;
    std::string path_;
};

}  // namespace qm530::cli
