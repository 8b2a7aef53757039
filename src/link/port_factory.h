#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/serial_port.h"

namespace qm530::link {

// Makes the port object for a device name; the port opens the device itself
// when the transfer starts.
using PortFactory = std::function<std::unique_ptr<SerialPort>(const std::string& device)>;

// This platform's serial port: termios on POSIX, the Win32 comm calls on
// Windows.
std::unique_ptr<SerialPort> MakeSystemSerialPort(PortTimeouts timeouts = {});

// True when the device exists and can be opened exclusively right now.
bool PortAvailable(const std::string& device);

}  // namespace qm530::link
