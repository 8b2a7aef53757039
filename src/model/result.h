#pragma once

#include <optional>
#include <utility>

#include "model/status.h"

namespace qm530 {

// A value, or the Status that says why there is none.
template <class T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}            // NOLINT: a value is a success
    Result(Status failure) : status_(std::move(failure)) {}  // NOLINT: so is a failure

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Status& status() const { return status_; }
    const std::string& detail() const { return status_.detail(); }

    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }

  private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace qm530
