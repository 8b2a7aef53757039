#include <memory>

#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "print/pdf_export.h"

namespace qm530::cli {

namespace {

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int RunPrint(Context& ctx) {
    auto prepared =
        PrepareArgs(ctx, "print", {{"--pdf", true}, {"--lang", true}, {"--ini", true}}, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    const std::string out = args.Value("--pdf");
    if (out.empty()) {
        PrintError(ctx.err, "print: --pdf OUT.pdf is required");
        return exitcode::kUsage;
    }
    print::PrintData data;
    const Result<UiLanguage> language = LanguageOrReport(ctx, "print", args);
    if (!language) return language.status().exitCode();
    data.lang = *language;
    const std::string& path = args.Positional()[0];
    const Result<RadioImage> loaded = LoadImageOrReport(ctx, path);
    if (!loaded) return loaded.status().exitCode();
    data.image = *loaded;
    config::CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) return exitcode::kFailed;
    const char* section = data.lang == UiLanguage::Chinese ? "Chinese" : "English";
    data.owner = ini.GetValue(section, "Copyrights Owner", "");
    data.grid.WriteLabels(data.lang);
    ImageToGrid(data.image, data.grid, data.lang);

    const Status s = print::ExportPdf(out, data, BaseName(path));
    if (!s) {
        PrintError(ctx.err, s.detail());
        return exitcode::kFailed;
    }
    return exitcode::kOk;
}

}  // namespace

Command PrintCommand() {
    return {"print", "print an image's options and channels into a PDF",
            "Usage: qm530 print FILE.dat --pdf OUT.pdf [--lang en|zh] [--ini PATH]\n"
            "Writes the printout of FILE.dat as a PDF on A4 pages: an options page, then\n"
            "one page per seven programmed channels. Needs no display.\n"
            "  --pdf OUT.pdf  the PDF to write (replaced as a whole, or left untouched\n"
            "                 when anything fails)\n"
            "  --lang en|zh   language of the labels (default en)\n"
            "  --ini PATH     the Program.ini to read (default: the program's\n"
            "                 own)\n"
            "The footer shows the owner text at the left: the value of the key\n"
            "\"Copyrights Owner\" in the section of the chosen --lang of Program.ini,\n"
            "[English] for en and [Chinese] for zh (empty when there is none).\n",
            RunPrint};
}

}  // namespace qm530::cli
