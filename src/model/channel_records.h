#pragma once

#include <array>
#include <vector>

#include "model/channel_table.h"
#include "model/language.h"
#include "model/radio_image.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// Scan-add bit of channel n (1-16) in 0x17E / 0x17F.
bool ScanAddBit(const RadioImage& image, int channel);
void SetScanAddBit(RadioImage& image, int channel, bool on);

// True when neither the Rx nor the Tx field of channel n holds a frequency:
// the grid shows such a row empty.
bool ChannelEmptyInImage(const RadioImage& image, int channel);

// A new arrangement of the 16 channels: channel n receives the whole record
// (all 16 bytes) and the scan-add bit that channel `from[n]` had before, and
// is then emptied when `cleared[n]` is set. Index 0 is unused.
struct ChannelOrder {
    std::array<int, kChannelCount + 1> from{};
    std::array<bool, kChannelCount + 1> cleared{};

    // Every channel keeps its own record.
    static ChannelOrder Unchanged();
    // The channels whose record or scan-add bit this order changes, ascending.
    std::vector<int> Touched() const;
    bool operator==(const ChannelOrder&) const = default;
};

// The plans below fail with a reason in `lang` when a channel number is
// outside 1-16 or the edit is refused.

// The record goes to `to`; the channels between shift one place toward `from`.
Result<ChannelOrder> PlanMove(int from, int to, UiLanguage lang = UiLanguage::English);
Result<ChannelOrder> PlanSwap(int a, int b, UiLanguage lang = UiLanguage::English);
// Empties the channels as clearing their Rx cell does, and clears their scan-add bits.
Result<ChannelOrder> PlanClear(const std::vector<int>& channels,
                               UiLanguage lang = UiLanguage::English);
// An empty channel at `at`; channels `at`-15 shift down one place. Refused
// unless channel 16 is empty: its record is the one that becomes the new channel.
Result<ChannelOrder> PlanInsert(const RadioImage& image, int at,
                                UiLanguage lang = UiLanguage::English);
// Channels after `channel` shift up one place; channel 16 becomes empty and
// keeps the removed record's bytes that no field covers.
Result<ChannelOrder> PlanRemove(int channel, UiLanguage lang = UiLanguage::English);

// Rearranges the records and scan-add bits. An emptied channel is encoded as
// an empty grid row is: frequencies and tones FF, busy-lock bits 0x10, power
// and bandwidth bits clear, bytes +14/+15 and the other bits as they were.
void ApplyChannelOrder(const ChannelOrder& order, RadioImage& image);
// Rearranges rows 1-16 of the grid texts the same way (labels stay).
void ApplyChannelOrder(const ChannelOrder& order, ChannelTable& table);

// Plan and apply in one step, for callers that hold only an image.
Status MoveChannel(RadioImage& image, int from, int to);
Status SwapChannels(RadioImage& image, int a, int b);
Status ClearChannels(RadioImage& image, const std::vector<int>& channels);
Status InsertEmptyChannel(RadioImage& image, int at, UiLanguage lang = UiLanguage::English);
Status RemoveChannel(RadioImage& image, int channel);

// Encodes row `channel` of the grid into its record and its scan-add bit only.
void StoreChannel(const ChannelTable& table, int channel, RadioImage& image);

// Encodes into the image only the channels whose grid texts differ between
// `before` and `after` (their records and scan-add bits); every other byte
// stays as it was.
void StoreChangedChannels(const ChannelTable& before, const ChannelTable& after, RadioImage& image);

}  // namespace qm530
