#pragma once

#include "model/band.h"
#include "model/radio_image.h"

namespace qm530 {

struct AppContext;

// Brings the model and band of a freshly filled grid in step: a new
// document's image takes the remembered choice from the registry (Type,
// Field); any other image becomes the remembered choice. Then the main
// window's caption shows the model and band in the interface language, and
// the band's limits are returned for the view. A band index past the
// model's band list stands for its last band (the byte stays as it is).
BandLimits SyncModelAndBand(AppContext& ctx, RadioImage& image);

}  // namespace qm530
