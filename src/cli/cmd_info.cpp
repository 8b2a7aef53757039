#include "cli/command_util.h"
#include "cli/commands_list.h"
#include "model/channel_table.h"
#include "model/numbers.h"
#include "settings/product_catalog.h"

namespace qm530::cli {

namespace {

int RunInfo(Context& ctx) {
    auto prepared = PrepareArgs(ctx, "info", {{"--hex", false}, {"--ini", true}}, 1, 1);
    if (!prepared) return prepared.status().exitCode();
    const Args& args = *prepared;
    Result<RadioImage> loaded = LoadImageOrReport(ctx, args.Positional()[0]);
    if (!loaded) return loaded.status().exitCode();
    RadioImage& image = *loaded;
    config::CIniFile ini;
    if (!LoadIniOrReport(ctx, args, ini)) return exitcode::kFailed;

    const int type = image[addr::kProductType];
    const int band = image[addr::kBandIndex];
    const settings::ModelAndBand mb =
        settings::ModelAndBandOf(settings::ProductCatalog::Of(ini), type, band);
    ctx.out << "Model byte (0x3D2): " << CFormatInt("0x%02X", type);
    if (mb.modelKnown) ctx.out << "  " << mb.model;
    ctx.out << "\nBand byte (0x3D3):  " << CFormatInt("0x%02X", band);
    if (mb.modelKnown) ctx.out << "  " << mb.band;
    ctx.out << '\n';

    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    ctx.out << "Programmed channels: " << table.ProgrammedCount() << '\n';

    if (args.Has("--hex")) {
        for (int row = 0; row < 64; ++row) {
            std::string line = CFormatInt("%03X:", row * 16);
            for (int i = 0; i < 16; ++i)
                line += CFormatInt(" %02X", image[static_cast<std::size_t>(row * 16 + i)]);
            ctx.out << line << '\n';
        }
    }
    return exitcode::kOk;
}

}  // namespace

Command InfoCommand() {
    return {"info", "show an image's model, band and number of channels",
            "Usage: qm530 info FILE.dat [--hex] [--ini PATH]\n"
            "Prints the model and band bytes (with their names when Program.ini lists them)\n"
            "and the number of programmed channels.\n"
            "  --hex       also print a hex dump of the 1024 bytes, 16 per row\n"
            "  --ini PATH  settings file naming the models (default: the program's own)\n",
            RunInfo};
}

}  // namespace qm530::cli
