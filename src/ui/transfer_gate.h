#pragma once

namespace qm530::ui {

// One transfer at a time across all documents. A view enters the gate for
// the length of its transfer; while it is closed, every view command and
// most frame commands are held back.
class TransferGate {
  public:
    bool Running() const { return running_ > 0; }
    // False (and nothing changes) when a transfer already runs.
    bool TryEnter() {
        if (Running()) return false;
        ++running_;
        return true;
    }
    void Leave() {
        if (running_ > 0) --running_;
    }

  private:
    int running_ = 0;
};

}  // namespace qm530::ui
