#include "cli/radio_log.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "cli/text_table.h"
#include "link/transfer.h"
#include "model/local_time.h"

namespace qm530::cli {

Status RadioLog::Append(const std::string& port, const std::vector<std::uint8_t>& ident,
                        const std::string& result, double seconds) {
    std::lock_guard<std::mutex> lock(mutex_);
    struct stat st {};
    const bool fresh = ::stat(path_.c_str(), &st) != 0 || st.st_size == 0;
    const std::time_t now = std::time(nullptr);
    const std::tm local = LocalTime(now);
    char time[40];
    std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%S%z", &local);
    char secs[24];
    std::snprintf(secs, sizeof secs, "%.1f", seconds);
    std::ostringstream record;
    if (fresh) PrintCsvRecord(record, {"time", "port", "identification", "result", "seconds"});
    PrintCsvRecord(record, {time, port, link::HexBytes(ident), result, secs});
    // One write per record, so that lines of several ports never mix.
    std::ofstream file(path_, std::ios::app | std::ios::binary);
    file << record.str();
    file.flush();
    if (!file) return Status::Fail(path_ + ": cannot append to the log");
    return Status::Ok();
}

}  // namespace qm530::cli
