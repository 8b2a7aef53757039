#pragma once

#include <string>
#include <utility>

namespace qm530 {

// The outcome of an operation that can fail. Failures carry a text for the
// user and, where the failure is one of the numbered messages, its id. In
// the command-line tool a failure also says which exit code the command
// ends with.
class Status {
  public:
    Status() = default;
    static Status Ok() { return Status(); }
    static Status Fail(std::string detail, int messageId = 0) {
        Status s;
        s.failed_ = true;
        s.detail_ = std::move(detail);
        s.messageId_ = messageId;
        return s;
    }
    // Ends a command-line command with `code` (0 for a --help that printed
    // the usage); whatever needed saying is printed already.
    static Status Exit(int code) {
        Status s;
        s.failed_ = true;
        s.exitCode_ = code;
        return s;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& detail() const { return detail_; }
    int messageId() const { return messageId_; }
    // 0 for success, the code given to Exit, else 1.
    int exitCode() const { return failed_ ? exitCode_ : 0; }

  private:
    bool failed_ = false;
    std::string detail_;
    int messageId_ = 0;
    int exitCode_ = 1;
};

}  // namespace qm530
