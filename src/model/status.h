#pragma once

#include <string>
#include <utility>

namespace qm530 {

// The outcome of an operation that can fail. Failures carry a text for the
// user and, where the failure is one of the string-table messages, its id.
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

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& detail() const { return detail_; }
    int messageId() const { return messageId_; }

  private:
    bool failed_ = false;
    std::string detail_;
    int messageId_ = 0;
};

}  // namespace qm530
