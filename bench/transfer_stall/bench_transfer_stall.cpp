// Runs transfers with the desktop program's host and progress window and
// measures the longest gap between two ticks of a 5 ms timer: the longest
// time the event loop could not handle the window. Three cases: a read of
// the paced virtual radio, one handshake attempt on a silent line (answered
// Cancel at the Retry/Cancel prompt), and a Cancel clicked 1 s into a
// handshake on a silent line, timed until the transfer returns.
// Exit status 1 when a stall reaches 50 ms or the Cancel takes 200 ms.

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/ini_file.h"
#include "config/registry.h"
#include "link/gui_transfer_host.h"
#include "link/posix_serial_port.h"
#include "link/process_dlg.h"
#include "sim/pseudo_terminal.h"
#include "sim/virtual_radio.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace {

using namespace qm530;

constexpr qint64 kStallLimitMs = 50;
constexpr qint64 kCancelLimitMs = 200;

struct Measured {
    link::TransferResult result;
    qint64 longestStallMs = 0;
    qint64 ticks = 0;
    qint64 totalMs = 0;
    qint64 cancelToEndMs = -1;  // from the Cancel click to the end, when clicked
    std::size_t prompts = 0;
};

Measured RunOnce(ui::AppContext& ctx, ui::ScriptedUiServices& services, const std::string& device,
                 int cancelAfterMs) {
    Measured m;
    link::CProcessDlg dlg;
    dlg.TransferTitle = QStringLiteral("Read Data");
    dlg.Create(nullptr);
    dlg.ShowCentred();
    dlg.accept();  // OK: from now on Cancel asks the transfer to stop
    QApplication::processEvents();

    QElapsedTimer clock;
    qint64 lastTick = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (now - lastTick > m.longestStallMs) m.longestStallMs = now - lastTick;
        lastTick = now;
        ++m.ticks;
    });
    qint64 clickedAt = -1;
    QTimer cancel;
    cancel.setSingleShot(true);
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        clickedAt = clock.elapsed();
        dlg.CancelButton()->click();
    });

    link::GuiTransferHost::ViewHooks hooks;
    hooks.direction = [] { return link::TransferDirection::kRead; };
    link::GuiTransferHost host(ctx, &dlg, hooks, &dlg);
    link::PosixSerialPort port;
    RadioImage image = RadioImage::Default();
    const std::size_t boxesBefore = services.boxes.size();

    clock.start();
    ticker.start();
    if (cancelAfterMs >= 0) cancel.start(cancelAfterMs);
    m.result = link::RunTransfer(device, port, image, host);
    m.totalMs = clock.elapsed();
    // The stretch from the last tick to the end counts as well.
    if (m.totalMs - lastTick > m.longestStallMs) m.longestStallMs = m.totalMs - lastTick;
    ticker.stop();
    if (clickedAt >= 0) m.cancelToEndMs = m.totalMs - clickedAt;
    m.prompts = services.boxes.size() - boxesBefore;
    dlg.DestroyWindow();
    return m;
}

const char* OutcomeName(link::TransferOutcome o) {
    switch (o) {
        case link::TransferOutcome::kCompleted:
            return "completed";
        case link::TransferOutcome::kCancelled:
            return "cancelled";
        case link::TransferOutcome::kFailed:
            break;
    }
    return "failed";
}

void Print(const char* name, const Measured& m) {
    std::printf("%-34s %-9s %7lld ms %6lld ticks  longest stall %3lld ms", name,
                OutcomeName(m.result.outcome), static_cast<long long>(m.totalMs),
                static_cast<long long>(m.ticks), static_cast<long long>(m.longestStallMs));
    if (m.cancelToEndMs >= 0)
        std::printf("  Cancel to end %lld ms", static_cast<long long>(m.cancelToEndMs));
    std::printf("  prompts %zu\n", m.prompts);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx(ini, services, std::make_unique<config::MemoryRegistry>());

    sim::RadioOptions options;  // paced at 9600 bit/s
    sim::VirtualRadio radio(options);
    if (const Status s = radio.Start(); !s) {
        std::fprintf(stderr, "virtual radio: %s\n", s.detail().c_str());
        return 1;
    }
    sim::PseudoTerminal silent;  // nobody answers
    if (const Status s = silent.Open(); !s) {
        std::fprintf(stderr, "pseudo-terminal: %s\n", s.detail().c_str());
        return 1;
    }

    std::printf("event-loop stalls during transfers (5 ms timer; limit %lld ms)\n\n",
                static_cast<long long>(kStallLimitMs));
    const Measured read = RunOnce(ctx, services, radio.DevicePath(), -1);
    Print("read of the paced virtual radio", read);
    services.boxAnswers = {ui::MsgResult::Cancel};
    const Measured silentAttempt = RunOnce(ctx, services, silent.SlavePath(), -1);
    Print("silent radio, one attempt", silentAttempt);
    const Measured cancelled = RunOnce(ctx, services, silent.SlavePath(), 1000);
    Print("silent radio, Cancel after 1 s", cancelled);
    radio.Stop();

    bool ok = read.result.completed() && cancelled.prompts == 0 &&
              cancelled.result.outcome == link::TransferOutcome::kCancelled &&
              cancelled.cancelToEndMs >= 0 && cancelled.cancelToEndMs < kCancelLimitMs;
    for (const Measured* m : {&read, &silentAttempt, &cancelled})
        ok = ok && m->longestStallMs < kStallLimitMs;
    std::printf("\n%s\n", ok ? "within the limits" : "LIMITS EXCEEDED");
    return ok ? 0 : 1;
}
