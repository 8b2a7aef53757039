#include "link/win_serial_port.h"

#include <windows.h>

#include <cctype>
#include <memory>

#include "link/cancel_event.h"
#include "link/port_factory.h"
#include "link/port_name.h"
#include "model/messages.h"

namespace qm530::link {

namespace {

// The driver's queues, as the radio's programming software sizes them.
constexpr DWORD kReceiveQueue = 1024;
constexpr DWORD kTransmitQueue = 512;
// An overlapped read that the time-outs end with nothing reports this.
constexpr DWORD kErrorTimeout = 1460;  // ERROR_TIMEOUT

std::string ErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n > 0 && buffer != nullptr) {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(n), nullptr, 0,
                                               nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        ::WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(n), text.data(), size, nullptr,
                              nullptr);
    }
    if (buffer != nullptr) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(error) : text;
}

Status PortError(const char* call, DWORD error) {
    return Status::Fail(std::string(call) + ": " + ErrorText(error));
}

// Why a COM port cannot be opened, in the user's terms.
std::string OpenFailureReason(const std::string& device, DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return device + ": no such port (is the cable plugged in and its driver installed?)";
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return device + ": the port is in use by another program";
        default:
            return device + ": " + ErrorText(error);
    }
}

HANDLE Handle(void* h) {
    return static_cast<HANDLE>(h);
}

}  // namespace

std::string Win32DeviceName(const std::string& device) {
    return ComPortNumber(device) > 0 ? "\\\\.\\COM" + std::to_string(ComPortNumber(device))
                                     : device;
}

WinSerialPort::WinSerialPort(PortTimeouts timeouts)
    : handle_(INVALID_HANDLE_VALUE), timeouts_(timeouts) {}

WinSerialPort::~WinSerialPort() {
    Close();
    if (ioEvent_ != nullptr) ::CloseHandle(Handle(ioEvent_));
}

bool WinSerialPort::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

Status WinSerialPort::Open(const std::string& device) {
    Close();
    if (device.empty()) return Status::Fail("no device given", msg::kPortOpenFailed);
    if (ioEvent_ == nullptr) ioEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const std::string name = Win32DeviceName(device);
    // Read and write, no sharing (exclusive), only an existing device.
    HANDLE h = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return Status::Fail(OpenFailureReason(device, ::GetLastError()), msg::kPortOpenFailed);
    handle_ = h;
    device_ = device;
    return Status::Ok();
}

Status WinSerialPort::Configure() {
    if (!IsOpen()) return Status::Fail("port not open");
    ::SetupComm(Handle(handle_), kReceiveQueue, kTransmitQueue);
    ApplyTimeouts();
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(Handle(handle_), &dcb)) return PortError("GetCommState", ::GetLastError());
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    // Raw binary: no software flow control (it would swallow 0x11 and 0x13),
    // no character replacement.
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!::SetCommState(Handle(handle_), &dcb)) return PortError("SetCommState", ::GetLastError());
    return Status::Ok();
}

void WinSerialPort::SetTimeouts(PortTimeouts timeouts) {
    timeouts_ = timeouts;
    if (IsOpen()) ApplyTimeouts();
}

void WinSerialPort::ApplyTimeouts() {
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = static_cast<DWORD>(timeouts_.interByteGap);
    t.ReadTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.readPerByte);
    t.ReadTotalTimeoutConstant = static_cast<DWORD>(timeouts_.readConstant);
    t.WriteTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.writePerByte);
    t.WriteTotalTimeoutConstant = static_cast<DWORD>(timeouts_.writeConstant);
    ::SetCommTimeouts(Handle(handle_), &t);
}

ReadResult WinSerialPort::Read(std::size_t n) {
    ReadResult result = ReadOnce(n);
    // Under load a read can end at the inter-byte gap (or with nothing)
    // while the next bytes already wait in the driver: they came in time,
    // so the read goes on with them.
    while (result.status.ok() && result.bytes.size() < n && BytesWaiting() > 0) {
        ReadResult more = ReadOnce(n - result.bytes.size());
        result.bytes.insert(result.bytes.end(), more.bytes.begin(), more.bytes.end());
        result.status = more.status;
        if (more.bytes.empty()) break;
    }
    return result;
}

std::size_t WinSerialPort::BytesWaiting() const {
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(Handle(handle_), &errors, &status)) return 0;
    return status.cbInQue;
}

ReadResult WinSerialPort::ReadOnce(std::size_t n) {
    ReadResult result;
    if (!IsOpen()) {
        result.status = Status::Fail("port not open");
        return result;
    }
    if (cancel_ != nullptr && cancel_->Raised()) {
        result.status = Status::Fail("cancelled");
        return result;
    }
    result.bytes.resize(n);
    OVERLAPPED ov{};
    ov.hEvent = Handle(ioEvent_);
    ::ResetEvent(ov.hEvent);
    DWORD got = 0;
    bool cancelled = false;
    if (!::ReadFile(Handle(handle_), result.bytes.data(), static_cast<DWORD>(n), nullptr, &ov)) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_IO_PENDING) {
            result.bytes.clear();
            if (error != kErrorTimeout) result.status = PortError("ReadFile", error);
            return result;
        }
        // The driver's time-outs end the read; a cancel ends it at once.
        HANDLE waits[2] = {ov.hEvent, nullptr};
        DWORD count = 1;
        if (cancel_ != nullptr && cancel_->Native() != -1) {
            waits[1] = reinterpret_cast<HANDLE>(cancel_->Native());
            count = 2;
        }
        for (;;) {
            const DWORD wait = ::WaitForMultipleObjects(
                count, waits, FALSE,
                waitHook_ ? static_cast<DWORD>(kWaitHookIntervalMs) : INFINITE);
            if (wait == WAIT_OBJECT_0) break;
            if (wait == WAIT_TIMEOUT && !waitHook_()) continue;
            cancelled = true;
            ::CancelIoEx(Handle(handle_), &ov);
            break;
        }
    }
    if (!::GetOverlappedResult(Handle(handle_), &ov, &got, TRUE)) {
        const DWORD error = ::GetLastError();
        if (error != kErrorTimeout && error != ERROR_OPERATION_ABORTED && !cancelled)
            result.status = PortError("ReadFile", error);
    }
    result.bytes.resize(got);
    if (cancelled) result.status = Status::Fail("cancelled");
    return result;
}

Status WinSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) return Status::Fail("port not open");
    OVERLAPPED ov{};
    ov.hEvent = Handle(ioEvent_);
    ::ResetEvent(ov.hEvent);
    DWORD written = 0;
    if (!::WriteFile(Handle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr,
                     &ov)) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_IO_PENDING) return PortError("WriteFile", error);
    }
    // The write time-outs end a write the line does not take.
    if (!::GetOverlappedResult(Handle(handle_), &ov, &written, TRUE)) {
        const DWORD error = ::GetLastError();
        if (error != kErrorTimeout) return PortError("WriteFile", error);
    }
    if (written < bytes.size()) {
        return Status::Fail("write time-out: " + std::to_string(written) + " of " +
                            std::to_string(bytes.size()) + " bytes taken");
    }
    return Status::Ok();
}

void WinSerialPort::Purge(PurgeKind kind) {
    // Received bytes only: a request written but not yet sent must leave.
    if (!IsOpen()) return;
    const DWORD flags = kind == PurgeKind::kAll ? PURGE_RXABORT | PURGE_RXCLEAR : PURGE_RXCLEAR;
    ::PurgeComm(Handle(handle_), flags);
}

void WinSerialPort::Close() {
    if (!IsOpen()) return;
    ::CloseHandle(Handle(handle_));
    handle_ = INVALID_HANDLE_VALUE;
    device_.clear();
}

std::unique_ptr<SerialPort> MakeSystemSerialPort(PortTimeouts timeouts) {
    return std::make_unique<WinSerialPort>(timeouts);
}

bool PortAvailable(const std::string& device) {
    WinSerialPort port;
    const bool ok = port.Open(device).ok();
    port.Close();
    return ok;
}

}  // namespace qm530::link
