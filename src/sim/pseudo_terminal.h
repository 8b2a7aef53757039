#pragma once

#include <string>

#include "model/status.h"

namespace qm530::sim {

// A pseudo-terminal pair with both sides in raw mode. This object holds the
// master side; the slave side is a device path any program can open like a
// serial port.
class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    Status Open();
    // Closing the master hangs up whoever has the slave open.
    void Close();

    int MasterFd() const { return master_; }
    // Whether a program that opened the slave side set its exclusive flag.
    bool Exclusive() const;
    // Clears the exclusive flag when no program holds the port's advisory
    // lock any more (one killed before it could clear the flag itself), and
    // drops the replies it never read. True when it did.
    bool ClearStaleExclusive();
    // Discards what was sent to the slave side and not read.
    void DropUnread();
    const std::string& SlavePath() const { return slavePath_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

}  // namespace qm530::sim
