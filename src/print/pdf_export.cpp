#include "print/pdf_export.h"

#include <QGuiApplication>
#include <memory>

#include "print/print_renderer.h"

namespace qm530::print {

namespace {

QtMessageHandler previousHandler = nullptr;

// A run without windows has no use for Qt's note that XDG_RUNTIME_DIR is unset.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    if (previousHandler != nullptr) previousHandler(type, context, message);
}

// Fonts and painting need a QGuiApplication; without a display the
// "offscreen" platform does, unless the caller chose a platform.
class GuiForPrinting {
  public:
    GuiForPrinting() {
        if (QGuiApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        previousHandler = qInstallMessageHandler(QuietHandler);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiForPrinting() {
        app_.reset();
        if (previousHandler != nullptr) qInstallMessageHandler(previousHandler);
    }
    GuiForPrinting(const GuiForPrinting&) = delete;
    GuiForPrinting& operator=(const GuiForPrinting&) = delete;

  private:
    int argc_ = 1;
    char name_[6] = "qm530";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

Status ExportPdf(const std::string& path, const PrintData& data, const std::string& title) {
    GuiForPrinting gui;
    return WritePdfFile(path, data, title);
}

}  // namespace qm530::print
