#include "support/gui_fixture.h"

#include <QTest>
#include <filesystem>
#include <system_error>

#include "app/language_pack.h"

namespace qm530::test {

namespace {

int argc = 1;
char arg0[] = "qm530_gui_tests";
char* argv[] = {arg0, nullptr};

QTemporaryDir& ConfigDir() {
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

QApplication& App() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", ConfigDir().path().toUtf8());
        return new QApplication(argc, argv);
    }();
    return *app;
}

QString ConfigHome() {
    App();
    return ConfigDir().path();
}

std::string ProgramIni(const char* language, const std::string& extraSetup, bool showLang) {
    std::string text = "[Setup]\n";
    if (language) text += std::string("Language=") + language + "\n";
    if (showLang) text += "ShowLang=1\n";
    text += "AppName=QM530Test\nType1=QM-520\nField1=130 - 160MHz|400 - 470MHz\n";
    text += extraSetup;
    text +=
        "[English]\nCompany=QM530 Programming Tool\nAbout Title=About QM530\nVersion=Version "
        "9.9\n"
        "Copyrights=Free software\nCopyrights Owner=The qm530 developers\nAppName=QM530 CPS\n"
        "[Chinese]\nCompany=QM530 写频软件\nAbout Title=关于 QM530\nVersion=版本 9.9\n"
        "Copyrights=自由软件\nCopyrights Owner=qm530 开发者\nAppName=QM530 写频软件\n";
    return text;
}

ProgramDir::ProgramDir(const std::string& programIni, bool withPacks, bool withHelp) {
    if (withPacks) {
        CopyFromBin(QStringLiteral("English.rcc"), QStringLiteral("English.rcc"));
        CopyFromBin(QStringLiteral("Chinese.rcc"), QStringLiteral("Chinese.rcc"));
    }
    CopyFromBin(QStringLiteral("title.ico"), QStringLiteral("title.ico"));
    CopyFromBin(QStringLiteral("background.bmp"), QStringLiteral("background.bmp"));
    if (withHelp) {
        CopyFromBin(QStringLiteral("enHelp"), QStringLiteral("enHelp"));
        CopyFromBin(QStringLiteral("chHelp"), QStringLiteral("chHelp"));
    }
    QFile ini(File(QStringLiteral("Program.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(programIni.data(), static_cast<qint64>(programIni.size()));
}

// A copy, not a link: on Windows QFile::link makes an Explorer shortcut
// (a .lnk file), which the program would not follow.
void ProgramDir::CopyFromBin(const QString& fromBin, const QString& as) const {
    std::error_code error;
    std::filesystem::copy(std::filesystem::path(QM530_BIN_DIR) / fromBin.toStdU16String(),
                          File(as).toStdU16String(), std::filesystem::copy_options::recursive,
                          error);
}

QByteArray ProgramDir::ReadProgramIni() const {
    QFile ini(File(QStringLiteral("Program.ini")));
    return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
}

Harness::Harness(const std::string& programIni, bool withPacks, bool withHelp)
    : dir((App(), programIni), withPacks, withHelp),
      ctx(ini, services, std::make_unique<config::MemoryRegistry>()) {
    registry = static_cast<config::MemoryRegistry*>(ctx.registry.get());
    ctx.ExeDir = dir.Path();
    ctx.UserDataDir = dir.Path() + "data/";
    app = std::make_unique<app::ProgramApp>(ctx);
}

Harness::~Harness() {
    app.reset();
    ini.Clear();  // no write-back into the test directory at the end
}

void Harness::AnswerPassword(const QString& code) {
    services.dialogHandlers.push_back([code](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1009"));
        ASSERT_NE(edit, nullptr);
        edit->setText(code);
        Click(&dialog, "OkButton");
    });
}

bool Harness::Start(const QStringList& arguments, bool answerPassword) {
    if (answerPassword) AnswerPassword();
    return app::RunStartUp(*app, arguments);
}

app::CMainFrame* Harness::StartShown() {
    if (!Start()) return nullptr;
    app::CMainFrame* frame = Frame();
    frame->showNormal();
    QApplication::setActiveWindow(frame);
    QApplication::processEvents();
    return frame;
}

QWidget* FocusIn(QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : window;
}

PackOf::PackOf(UiLanguage lang, bool load) {
    if (!load) return;
    pack_.Load(QStringLiteral(QM530_BIN_DIR "/") + (lang == UiLanguage::Chinese
                                                        ? QStringLiteral("Chinese.rcc")
                                                        : QStringLiteral("English.rcc")));
}

void Click(QWidget* parent, const char* buttonName) {
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

QString WriteDat(const QString& path, int size) {
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i) data[i] = static_cast<char>(i % 251);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(data);
    return path;
}

}  // namespace qm530::test
