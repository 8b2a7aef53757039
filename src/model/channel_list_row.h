#pragma once

#include <string>
#include <vector>

#include "model/channel_list.h"
#include "model/channel_table.h"
#include "model/language.h"
#include "model/result.h"
#include "model/status.h"

namespace qm530 {

// What one row of a channel list asks of a channel, as the texts the grid
// would be given in its columns (frequencies as in the file, words in the
// language). Busy lock has no column in a list.
struct ListedChannel {
    std::string rx;
    std::string tx;  // empty: no transmit frequency
    std::string decode;
    std::string encode;
    std::string power;
    std::string scanAdd;
    std::string bandwidth;
    std::vector<std::string> notes;  // what was read other than it was written
};

// Reads the channel fields of one row: Frequency, Duplex, Offset, the tone
// columns, Mode, Skip and Power. Fails with the reason when a value has no
// equivalent in this radio (a tone or code outside the tone table, a mode
// other than FM and NFM, reverse squelch) or is not a value of its column.
// Band and raster are left to the grid's rules.
Result<ListedChannel> ReadListedChannel(const ChannelList& list, const ChannelList::Row& row,
                                        UiLanguage lang);

// The 21 fields of channel n (1-16) of the table, for a programmed channel.
std::vector<std::string> ListFieldsOfChannel(const ChannelTable& table, int channel);

}  // namespace qm530
