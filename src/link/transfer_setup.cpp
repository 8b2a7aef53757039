#include "link/transfer_setup.h"

#include <ctime>
#include <optional>

#include "link/backup_store.h"
#include "link/port_name.h"
#include "link/traced_port.h"

namespace qm530::link {

namespace {

// Passes every call on to the program's host; notes the handshake and gives
// the port its ordinary time limits once the radio has confirmed it; takes
// the image of a completed read for its backup.
class SetupHost : public TransferHost {
  public:
    SetupHost(TransferHost& inner, SerialPort& port, const TransferSetup& setup,
              const RadioImage& image)
        : inner_(inner), port_(port), setup_(setup), image_(image) {}

    TransferDirection Direction() override { return inner_.Direction(); }
    void ImageAboutToBeSent() override { inner_.ImageAboutToBeSent(); }
    void HandshakeConfirmed() override {
        confirmed_ = true;
        if (setup_.timeoutsUntilHandshake) port_.SetTimeouts(PortTimeouts{});
        inner_.HandshakeConfirmed();
    }
    void ImageReceivedComplete() override {
        if (setup_.backups != nullptr) received_ = image_;
        inner_.ImageReceivedComplete();
    }
    void ShowMessage(int messageId, const std::string& detail) override {
        inner_.ShowMessage(messageId, detail);
    }
    bool AskRetry(const std::string& detail) override { return inner_.AskRetry(detail); }
    void Progress(int position) override { inner_.Progress(position); }
    void PumpOne() override { inner_.PumpOne(); }
    bool CancelRequested() override { return inner_.CancelRequested(); }
    void Sleep(int milliseconds) override { inner_.Sleep(milliseconds); }
    bool Waiting() override { return inner_.Waiting(); }

    bool Confirmed() const { return confirmed_; }
    const std::optional<RadioImage>& Received() const { return received_; }

  private:
    TransferHost& inner_;
    SerialPort& port_;
    const TransferSetup& setup_;
    const RadioImage& image_;
    bool confirmed_ = false;
    std::optional<RadioImage> received_;
};

}  // namespace

TransferSetup TransferSetup::ForPort(const std::string& portName, const config::CIniFile* ini) {
    TransferSetup setup;
    setup.portName = portName;
    setup.device = ResolvePortName(portName, ini);
    return setup;
}

TransferReport RunTransferSetup(const TransferSetup& setup, RadioImage& image, TransferHost& host) {
    TransferReport report;
    std::unique_ptr<SerialPort> port =
        setup.makePort ? setup.makePort(setup.device) : MakeSystemSerialPort();
    if (setup.timeoutsUntilHandshake) port->SetTimeouts(*setup.timeoutsUntilHandshake);
    port->WatchCancel(setup.cancel);

    TracedPort traced(*port, setup.trace);
    traced.Begin(setup.traceHeading, setup.device);
    SetupHost setupHost(host, *port, setup, image);
    report.result = RunTransfer(setup.device, traced, image, setupHost);
    traced.End(report.result);
    report.handshakeConfirmed = setupHost.Confirmed();
    report.identification = traced.Identification();
    // After the port is closed: the backup never slows the transfer.
    if (setupHost.Received() && report.result.completed()) {
        Result<std::string> kept =
            setup.backups->Keep(*setupHost.Received(), setup.portName, std::time(nullptr));
        if (kept) {
            report.backupPath = *kept;
        } else {
            report.backupStatus = kept.status();
        }
    }
    return report;
}

}  // namespace qm530::link
