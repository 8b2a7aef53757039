// Read and Write from the channel view, end to end: progress window, the
// clone engine on the user-interface thread and the virtual radio on a
// pseudo-terminal.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "link/process_dlg.h"
#include "model/channel_table.h"
#include "sim/pseudo_terminal.h"
#include "sim/virtual_radio.h"
#include "ui/command_ids.h"
#include "view_test_env.h"
#include "watched_port.h"

namespace qm530::test {
namespace {

// A radio whose memory holds two channels, model 1 (QM-530), band 1 (400 - 480MHz).
RadioImage RadioMemory() {
    RadioImage image = ImageOfModel(1, 1);
    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    table.SetCell(1, 1, "435.02500");
    table.SetCell(1, 2, "435.02500");
    for (int c = 3; c <= 8; ++c) table.SetCell(1, c, c == 3 ? "D023N" : "Low");
    table.SetCell(1, 6, "Yes");
    table.SetCell(1, 7, "Carrier");
    table.SetCell(1, 8, "Narrow");
    table.SetCell(4, 1, "446.00625");
    for (int c = 3; c <= 8; ++c)
        table.SetCell(4, c,
                      c < 5    ? "None"
                      : c == 5 ? "High"
                      : c == 6 ? "No"
                      : c == 7 ? "Off"
                               : "Wide");
    GridToImage(table, image);
    return image;
}

class ViewTransfer : public ::testing::Test {
  protected:
    // A view whose COM1 is `device`; its transfers use short time limits.
    void OpenView(const std::string& device, const RadioImage& image = ImageOfModel(0, 0),
                  bool isDefault = false) {
        env = std::make_unique<ViewEnv>(UiLanguage::English,
                                        ViewIni("[Ports]\nCOM1=" + device + "\n"));
        view = &env->Open(image, isDefault);
        view->SetPortFactory([this](const std::string&) {
            ports.push_back(std::make_unique<WatchedPort>(timeouts));
            ports.back()->onRead = [this](int reads) {
                if (onRead) onRead(reads);
            };
            return std::make_unique<BorrowedPort>(*ports.back());
        });
    }
    void StartRadio(const RadioImage& memory, sim::Fault fault = {}) {
        sim::RadioOptions options;
        options.memory = memory;
        options.pace = false;
        options.fault = fault;
        radio = std::make_unique<sim::VirtualRadio>(options);
        ASSERT_TRUE(radio->Start().ok());
    }
    link::CProcessDlg* dlg() { return view->ProcessDlg(); }
    // OK in the progress window, then wait for the transfer to end.
    void RunWithOk() {
        ASSERT_TRUE(dlg()->Exists());
        QTest::mouseClick(dlg()->OkButton(), Qt::LeftButton);
        EXPECT_FALSE(view->TransferRunning());  // posted, not run inside the click
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg()->Exists(); }, 20000));
        EXPECT_FALSE(view->TransferRunning());
    }

    std::unique_ptr<sim::VirtualRadio> radio;
    std::unique_ptr<ViewEnv> env;
    editor::CProgramView* view = nullptr;
    std::vector<std::unique_ptr<WatchedPort>> ports;
    std::function<void(int)> onRead;
    link::PortTimeouts timeouts = kQuickTimeouts;
};

TEST_F(ViewTransfer, AReadFillsTheGridTheRegistryAndTheBand) {
    StartRadio(RadioMemory());
    OpenView(radio->DevicePath(), RadioImage::Default(), true);
    env->doc.Image[0x3C5] = 0x5A;  // never read: keeps its value

    ASSERT_TRUE(view->IsCommandEnabled(ui::cmd::kRead));
    view->OnCommand(ui::cmd::kRead);
    EXPECT_EQ(view->TransferDirection, link::TransferDirection::kRead);
    EXPECT_TRUE(dlg()->isVisible());
    EXPECT_EQ(dlg()->windowTitle(), QStringLiteral("Read Data"));
    EXPECT_EQ(dlg()->Bar()->maximum(), 63);
    EXPECT_EQ(dlg()->Counter()->text(), QStringLiteral("0"));
    bool checkedWhileRunning = false;
    onRead = [&](int reads) {
        if (reads != 40) return;
        EXPECT_TRUE(view->TransferRunning());
        EXPECT_TRUE(env->ctx.transfers.Running());
        EXPECT_FALSE(view->IsCommandEnabled(ui::cmd::kRead));
        EXPECT_FALSE(view->IsCommandEnabled(ui::cmd::kComSetup));
        EXPECT_FALSE(view->Editor()->isEnabled());
        checkedWhileRunning = true;
    };
    RunWithOk();
    EXPECT_TRUE(checkedWhileRunning);

    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(env->services.boxes.empty());
    EXPECT_EQ(dlg()->Counter()->text(), QStringLiteral("63"));
    EXPECT_FALSE(dlg()->isVisible());
    EXPECT_EQ(env->Cell(1, 1), "435.02500");
    EXPECT_EQ(env->Cell(1, 3), "D023N");
    EXPECT_EQ(env->Cell(1, 7), "Carrier");
    EXPECT_EQ(env->Cell(4, 1), "446.00625");
    EXPECT_EQ(env->Cell(2, 1), "");
    EXPECT_FALSE(env->doc.ImageIsDefault);
    EXPECT_EQ(env->registry->ReadDword("Type", 9), 1u);
    EXPECT_EQ(env->registry->ReadDword("Field", 9), 1u);
    EXPECT_EQ(view->BandLow, 40000000);
    EXPECT_EQ(view->BandHigh, 48000000);
    EXPECT_EQ(env->ctx.WindowTitle, "QM530 CPS  [ Type:QM-530  Fre:400 - 480MHz ]");
    EXPECT_EQ(env->doc.Image[0x3C5], 0x5A);
    EXPECT_TRUE(view->Editor()->isEnabled());
    EXPECT_TRUE(view->IsCommandEnabled(ui::cmd::kRead));

    // The next Read makes a fresh window.
    view->OnCommand(ui::cmd::kRead);
    EXPECT_EQ(dlg()->Counter()->text(), QStringLiteral("0"));
    EXPECT_TRUE(dlg()->OkButton()->isEnabled());
}

TEST_F(ViewTransfer, AWriteSendsWhatTheGridShows) {
    StartRadio(RadioImage::Default());
    OpenView(radio->DevicePath());
    ClickCell(env->Grid(), 3, 1);
    Type(QStringLiteral("146.5"));
    PressEnter();
    Type(QStringLiteral("147.5"));  // still open when Write starts
    env->doc.Image[0x335] = 0x77;   // never written

    view->OnCommand(ui::cmd::kWrite);
    EXPECT_EQ(view->TransferDirection, link::TransferDirection::kWrite);
    EXPECT_EQ(dlg()->windowTitle(), QStringLiteral("Write Data"));
    EXPECT_EQ(dlg()->Bar()->maximum(), 62);
    RunWithOk();

    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_EQ(dlg()->Counter()->text(), QStringLiteral("62"));
    const RadioImage memory = radio->Memory();
    EXPECT_EQ(FrequencyText(memory, 0x30), "146.50000");
    EXPECT_EQ(FrequencyText(memory, 0x34), "147.50000");
    EXPECT_EQ(env->Cell(3, 2), "147.50000");
    for (int a = 0; a < 0x400; ++a) {
        if (link::CarriedByWrite(a)) {
            EXPECT_EQ(memory[a], env->doc.Image[a]) << a;
        }
    }
    EXPECT_NE(memory[0x335], 0x77);
    EXPECT_EQ(radio->Counters().blocksWritten, 124);
}

TEST_F(ViewTransfer, AReadLeavesAnOpenCellEditorAlone) {
    // Failed: the editor stays open with its text, nothing is committed.
    OpenView("/nonexistent/ttyQM530");
    ClickCell(env->Grid(), 3, 1);
    Type(QStringLiteral("999"));  // out of the band: a commit would complain
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_EQ(env->services.boxes.size(), 1u);
    EXPECT_EQ(view->LastTransfer().messageId, 61453);
    EXPECT_EQ(env->Cell(3, 1), "");
    QLineEdit* edit = env->Editors()->EditBoxForColumn(1);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("999"));

    // Complete: the refilled grid closes the editor without committing it.
    StartRadio(RadioMemory());
    OpenView(radio->DevicePath());
    ClickCell(env->Grid(), 1, 1);
    Type(QStringLiteral("999"));
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(env->services.boxes.empty());
    EXPECT_EQ(env->Cell(1, 1), "435.02500");
    EXPECT_FALSE(env->Editors()->EditBoxForColumn(1)->isVisible());
}

TEST_F(ViewTransfer, TheDirectionChosenLastIsTheOneThatRuns) {
    StartRadio(RadioImage::Default());
    OpenView(radio->DevicePath());
    view->OnCommand(ui::cmd::kRead);
    link::CProcessDlg* first = dlg();
    view->OnCommand(ui::cmd::kRead);  // no second window
    view->OnCommand(ui::cmd::kWrite);
    EXPECT_EQ(dlg(), first);
    EXPECT_EQ(dlg()->windowTitle(), QStringLiteral("Read Data"));
    EXPECT_EQ(dlg()->Bar()->maximum(), 63);
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().direction, link::TransferDirection::kWrite);
    EXPECT_EQ(dlg()->Counter()->text(), QStringLiteral("62"));
    EXPECT_EQ(radio->Counters().blocksWritten, 124);
}

TEST_F(ViewTransfer, CancelBeforeOkOpensNoPort) {
    StartRadio(RadioMemory());
    OpenView(radio->DevicePath());
    const RadioImage before = env->doc.Image;
    view->OnCommand(ui::cmd::kRead);
    QTest::mouseClick(dlg()->CancelButton(), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_FALSE(dlg()->Exists());
    EXPECT_TRUE(ports.empty());
    EXPECT_EQ(env->doc.Image, before);
    EXPECT_TRUE(env->services.boxes.empty());
}

TEST_F(ViewTransfer, CancelDuringAReadStopsBetweenBlocksAndKeepsTheGrid) {
    StartRadio(RadioMemory());
    OpenView(radio->DevicePath(), RadioImage::Default(), true);
    view->OnCommand(ui::cmd::kRead);
    onRead = [&](int reads) {
        // Pressed inside a block: acted on at the next pump step.
        if (reads == 30)
            QMetaObject::invokeMethod(dlg()->CancelButton(), "click", Qt::QueuedConnection);
        if (reads == 31) {
            EXPECT_TRUE(dlg()->isVisible());
        }
    };
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().outcome, link::TransferOutcome::kCancelled);
    EXPECT_LT(view->LastTransfer().blocksDone, 20);
    EXPECT_GT(view->LastTransfer().blocksDone, 5);
    EXPECT_TRUE(env->services.boxes.empty());
    EXPECT_EQ(FrequencyText(env->doc.Image, 0x10), "435.02500");  // received before the Cancel
    EXPECT_EQ(env->Cell(1, 1), "");                               // but the grid is not refilled
    EXPECT_TRUE(env->doc.ImageIsDefault);
    EXPECT_FALSE(ports.back()->IsOpen());
}

TEST_F(ViewTransfer, AMissingPortIsReportedAndNothingIsSent) {
    OpenView("/nonexistent/ttyQM530");
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    ASSERT_EQ(env->services.boxes.size(), 1u);
    const auto& box = env->services.boxes[0];
    EXPECT_TRUE(
        box.text.startsWith(QStringLiteral("Could not Open the Port,Please check whether the Port "
                                           "are occupied or the device are ok")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("/nonexistent/ttyQM530")));
    EXPECT_EQ(box.buttons, ui::MsgButtons::Ok);
    EXPECT_EQ(box.caption, QStringLiteral("QM530 Programming Tool"));
    EXPECT_EQ(view->LastTransfer().messageId, 61453);
    EXPECT_FALSE(dlg()->Exists());

    // COM Setup's "com0" names no device at all.
    env->services.boxes.clear();
    view->PortName = "com0";
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().messageId, 61453);
    EXPECT_EQ(env->services.boxes.size(), 1u);
}

TEST_F(ViewTransfer, ASilentRadioEndsInRetryOrCancel) {
    sim::PseudoTerminal silent;  // nobody answers on the other side
    ASSERT_TRUE(silent.Open().ok());
    OpenView(silent.SlavePath());
    env->services.boxAnswers = {ui::MsgResult::Retry, ui::MsgResult::Cancel};
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_EQ(env->services.boxes.size(), 2u);
    for (const auto& box : env->services.boxes) {
        EXPECT_EQ(box.text,
                  QStringLiteral(
                      "Communication Error,Please check all the connections and the radio power"));
        EXPECT_EQ(box.buttons, ui::MsgButtons::RetryCancel);
    }
    EXPECT_EQ(view->LastTransfer().messageId, 61451);
    EXPECT_EQ(view->LastTransfer().handshakeAttempts, 2);
    EXPECT_FALSE(dlg()->Exists());
    EXPECT_FALSE(ports.back()->IsOpen());
}

// The files in the user's trace folder, sorted.
std::vector<std::string> TraceFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ViewTransfer, WithTheTraceOnEveryTransferLeavesATraceAndAFailureNamesIt) {
    StartRadio(RadioMemory());
    OpenView(radio->DevicePath());
    const std::string traces = env->dir.path().toStdString() + "/data/traces";
    env->ctx.UserDataDir = env->dir.path().toStdString() + "/data/";
    // Off: no folder is made.
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_FALSE(std::filesystem::exists(traces));

    env->ctx.SetTransferTrace(true);
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(env->services.boxes.empty());
    std::vector<std::string> files = TraceFiles(traces);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].ends_with("-read.txt")) << files[0];
    std::string text = FileText(files[0]);
    EXPECT_TRUE(Has(text, "# read on port COM1 (" + radio->DevicePath() + ")")) << text;
    EXPECT_TRUE(Has(text, "handshake 1    >")) << text;
    EXPECT_TRUE(Has(text, "handshake 1    <")) << text;
    EXPECT_TRUE(Has(text, "outcome    completed")) << text;

    // A write gets a file of its own.
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    files = TraceFiles(traces);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [](const std::string& f) { return f.ends_with("-write.txt"); }),
              1);

    // A silent radio: the question names the trace, which holds the attempt.
    sim::PseudoTerminal silent;
    ASSERT_TRUE(silent.Open().ok());
    OpenView(silent.SlavePath());
    env->ctx.UserDataDir = env->dir.path().toStdString() + "/data/";
    env->ctx.SetTransferTrace(true);
    env->services.boxAnswers = {ui::MsgResult::Cancel};
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().messageId, 61451);
    files = TraceFiles(env->ctx.TraceFolder());
    ASSERT_EQ(files.size(), 1u);
    ASSERT_EQ(env->services.boxes.size(), 1u);
    EXPECT_EQ(env->services.boxes[0].text,
              QStringLiteral("Communication Error,Please check all the connections and the radio "
                             "power\n\nA trace of this transfer is in %1.")
                  .arg(QString::fromStdString(files[0])));
    text = FileText(files[0]);
    EXPECT_TRUE(Has(text, "handshake 1    >")) << text;
    EXPECT_TRUE(Has(text, "outcome    failed")) << text;

    // A radio that goes quiet part way: the failure message names the trace.
    sim::Fault hangUp;
    hangUp.kind = sim::FaultKind::kHangUp;
    hangUp.block = 5;
    StartRadio(RadioMemory(), hangUp);
    OpenView(radio->DevicePath());
    env->ctx.UserDataDir = env->dir.path().toStdString() + "/data/";
    env->ctx.SetTransferTrace(true);
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().messageId, 61454);
    files = TraceFiles(env->ctx.TraceFolder());
    ASSERT_EQ(files.size(), 1u);
    ASSERT_EQ(env->services.boxes.size(), 1u);
    EXPECT_TRUE(env->services.boxes[0].text.endsWith(
        QStringLiteral("\n\nA trace of this transfer is in %1.")
            .arg(QString::fromStdString(files[0]))))
        << env->services.boxes[0].text.toStdString();
    EXPECT_TRUE(Has(FileText(files[0]), "read 0x")) << FileText(files[0]);
}

TEST_F(ViewTransfer, AnInterruptedWriteSaysTheRadioMustBeWrittenAgain) {
    sim::Fault hangUp;
    hangUp.kind = sim::FaultKind::kHangUp;
    hangUp.block = 5;
    StartRadio(RadioMemory(), hangUp);
    OpenView(radio->DevicePath());
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    EXPECT_EQ(view->LastTransfer().messageId, 61454);
    EXPECT_TRUE(view->LastTransfer().PartlyWritten());
    ASSERT_EQ(env->services.boxes.size(), 2u);
    EXPECT_TRUE(env->services.boxes[1].text.contains(
        QStringLiteral("part of the old and part of the new configuration")))
        << env->services.boxes[1].text.toStdString();
}

TEST_F(ViewTransfer, CancelWhileASilentRadioIsAwaitedEndsAtOnceWithoutAPrompt) {
    sim::PseudoTerminal silent;
    ASSERT_TRUE(silent.Open().ok());
    timeouts = link::PortTimeouts{};  // the radio's own: 5.3 s of waiting per attempt
    OpenView(silent.SlavePath());
    view->OnCommand(ui::cmd::kRead);
    QElapsedTimer clock;
    qint64 clicked = -1;
    // Runs only when the waiting read lets the window handle its events.
    QTimer::singleShot(300, dlg(), [&] {
        clicked = clock.elapsed();
        QTest::mouseClick(dlg()->CancelButton(), Qt::LeftButton);
    });
    clock.start();
    RunWithOk();
    const qint64 ended = clock.elapsed();
    EXPECT_GE(clicked, 0);
    EXPECT_LT(clicked, 2000);  // not after the 5.3 s of reads
    EXPECT_LT(ended, 3000);
    EXPECT_EQ(view->LastTransfer().outcome, link::TransferOutcome::kCancelled);
    EXPECT_EQ(view->LastTransfer().handshakeAttempts, 1);
    EXPECT_TRUE(env->services.boxes.empty()) << "no Retry/Cancel prompt after a Cancel";
    EXPECT_FALSE(ports.back()->IsOpen());
}

}  // namespace
}  // namespace qm530::test
