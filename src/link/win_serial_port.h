#pragma once

#include <cstdint>
#include <string>

#include "link/serial_port.h"

namespace qm530::link {

// SerialPort on a Windows COM port ("COM3", "\\.\COM12"), with the Win32
// comm calls. The device is opened exclusively and overlapped, so that a
// read waiting for the radio ends at once when the cancel event is raised
// or the wait hook asks for it (CancelIoEx), and otherwise when the driver's
// own time-outs (SetCommTimeouts) end it.
class WinSerialPort : public SerialPort {
  public:
    explicit WinSerialPort(PortTimeouts timeouts = {});
    ~WinSerialPort() override;
    WinSerialPort(const WinSerialPort&) = delete;
    WinSerialPort& operator=(const WinSerialPort&) = delete;

    Status Open(const std::string& device) override;
    Status Configure() override;
    ReadResult Read(std::size_t n) override;
    Status Write(std::span<const std::uint8_t> bytes) override;
    void Purge(PurgeKind kind) override;
    void Close() override;
    bool IsOpen() const override;
    void SetWaitHook(WaitHook hook) override { waitHook_ = std::move(hook); }
    void SetTimeouts(PortTimeouts timeouts) override;
    void WatchCancel(const CancelEvent* cancel) override { cancel_ = cancel; }

  private:
    // One ReadFile, ended by the driver's time-outs or a cancel.
    ReadResult ReadOnce(std::size_t n);
    // Bytes received and not yet read.
    std::size_t BytesWaiting() const;
    // Applies timeouts_ to the open device.
    void ApplyTimeouts();

    void* handle_;  // INVALID_HANDLE_VALUE while closed
    void* ioEvent_ = nullptr;
    PortTimeouts timeouts_;
    WaitHook waitHook_;
    const CancelEvent* cancel_ = nullptr;
    std::string device_;
};

// The Win32 name of a port: "COM3" and "com3" become "\\.\COM3", which
// every COM number needs from COM10 on; other names stay as they are.
std::string Win32DeviceName(const std::string& device);

}  // namespace qm530::link
