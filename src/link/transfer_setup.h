#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "link/port_factory.h"
#include "link/transfer.h"
#include "model/radio_image.h"
#include "model/status.h"

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::link {

class BackupStore;
class CancelEvent;

// Everything one transfer needs besides its host and its image: the port as
// the user named it and the device it stands for, how the port is made and
// watched, and where the trace goes.
struct TransferSetup {
    // The port name and its device as ResolvePortName gives it with `ini`
    // (section Ports for COMn; may be null).
    static TransferSetup ForPort(const std::string& portName, const config::CIniFile* ini);

    std::string portName;  // "COM1", a device path, "virtual", ...
    std::string device;    // what the port is opened as
    PortFactory makePort;  // empty: this platform's serial port
    // Shorter time limits until the radio confirms the handshake, for a port
    // that looks for a radio; the ordinary ones from then on. Empty: the
    // port keeps the limits it was made with.
    std::optional<PortTimeouts> timeoutsUntilHandshake;
    const CancelEvent* cancel = nullptr;  // ends a waiting read at once
    std::ostream* trace = nullptr;        // every call and byte, when not null
    std::string traceHeading;             // "write on port COM1"
    // Where a completed read is kept as a backup; null: nowhere.
    const BackupStore* backups = nullptr;
};

// How a transfer ended, with what the set-up learnt on the way.
struct TransferReport {
    TransferResult result;
    bool handshakeConfirmed = false;
    // The radio's identification from the handshake, empty when none came.
    std::vector<std::uint8_t> identification;
    // After a completed read with a backup store: the file the image was
    // kept in, or (empty path) why it could not be kept. Ok otherwise.
    std::string backupPath;
    Status backupStatus;
};

// Runs one transfer from start to end: makes the port for the device,
// wraps it in the trace, runs the engine on `image` with `host`, and closes
// the trace's section with the outcome. The port is closed when it returns.
// A read that completes is then kept in `setup.backups` as the radio sent
// it (before the host's ImageReceivedComplete could change the image); a
// backup that cannot be kept never fails the read.
TransferReport RunTransferSetup(const TransferSetup& setup, RadioImage& image, TransferHost& host);

}  // namespace qm530::link
