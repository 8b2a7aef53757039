#pragma once

#include "model/radio_image.h"

namespace qm530::cli {

// The memory of the demonstration radio of `qm530 simulate`: the default
// model (first model, first band, 130 - 160 MHz) with six programmed
// channels (CTCSS and DCS tones, both powers and widths, scan membership
// and busy locks mixed), time-out timer 180 s, English voice, beep off,
// side keys Monitor and Scan, and a fixed priority channel. Built with the
// grid's cell rules and the settings dialogs' OK, as a user would.
RadioImage DemonstrationImage();

}  // namespace qm530::cli
