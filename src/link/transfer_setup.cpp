#include "link/transfer_setup.h"

#include "link/port_name.h"
#include "link/traced_port.h"

namespace qm530::link {

namespace {

// Passes every call on to the program's host; notes the handshake and gives
// the port its ordinary time limits once the radio has confirmed it.
class SetupHost : public TransferHost {
  public:
    SetupHost(TransferHost& inner, SerialPort& port, const TransferSetup& setup)
        : inner_(inner), port_(port), setup_(setup) {}

    TransferDirection Direction() override { return inner_.Direction(); }
    void ImageAboutToBeSent() override { inner_.ImageAboutToBeSent(); }
    void HandshakeConfirmed() override {
        confirmed_ = true;
        if (setup_.timeoutsUntilHandshake) port_.SetTimeouts(PortTimeouts{});
        inner_.HandshakeConfirmed();
    }
    void ImageReceivedComplete() override { inner_.ImageReceivedComplete(); }
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

  private:
    TransferHost& inner_;
    SerialPort& port_;
    const TransferSetup& setup_;
    bool confirmed_ = false;
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
    SetupHost setupHost(host, *port, setup);
    report.result = RunTransfer(setup.device, traced, image, setupHost);
    traced.End(report.result);
    report.handshakeConfirmed = setupHost.Confirmed();
    report.identification = traced.Identification();
    return report;
}

}  // namespace qm530::link
