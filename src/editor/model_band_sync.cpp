#include "editor/model_band_sync.h"

#include "app/app_context.h"
#include "app/main_frame.h"
#include "app/registry.h"
#include "settings/product_catalog.h"

namespace qm530 {

BandLimits SyncModelAndBand(AppContext& ctx, RadioImage& image) {
    if (ctx.ImageIsDefault) {
        image[addr::kProductType] =
            static_cast<std::uint8_t>(ctx.registry->ReadDword("Type", 0) & 0xFF);
        image[addr::kBandIndex] =
            static_cast<std::uint8_t>(ctx.registry->ReadDword("Field", 0) & 0xFF);
    } else {
        ctx.registry->WriteDword("Type", image[addr::kProductType]);
        ctx.registry->WriteDword("Field", image[addr::kBandIndex]);
    }
    const ModelAndBand chosen = ModelAndBandOf(ctx.theIni, image);
    const std::string title =
        BuildWindowTitle(ctx.LanguageValue("AppName"), chosen.model, chosen.band, ctx.Chinese());
    if (ctx.mainFrame) {
        ctx.mainFrame->SetWindowTitleText(title);
    } else {
        ctx.WindowTitle = title;
    }
    return BandLimitsOfText(chosen.band);
}

}  // namespace qm530
