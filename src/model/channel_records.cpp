#include "model/channel_records.h"

#include <algorithm>

#include "model/numbers.h"

namespace qm530 {

namespace {

bool ValidChannel(int n) {
    return n >= 1 && n <= kChannelCount;
}

Status BadChannel(int n, UiLanguage lang) {
    const Bilingual text{"is not a channel number (1 to 16)", "不是信道号（1至16）"};
    return Status::Fail(CFormatInt("%d ", n) + text.In(lang));
}

// The record at `from` goes to `to`, the ones between shift toward `from`.
void Rotate(ChannelOrder& order, int from, int to) {
    if (from < to) {
        for (int n = from; n < to; ++n) order.from[n] = n + 1;
    } else {
        for (int n = from; n > to; --n) order.from[n] = n - 1;
    }
    order.from[to] = from;
}

}  // namespace

bool ScanAddBit(const RadioImage& image, int channel) {
    const int a = channel <= 8 ? addr::kScanAddLow : addr::kScanAddHigh;
    const int bit = (channel - 1) % 8;
    return (image[static_cast<std::size_t>(a)] >> bit) & 1;
}

void SetScanAddBit(RadioImage& image, int channel, bool on) {
    const int a = channel <= 8 ? addr::kScanAddLow : addr::kScanAddHigh;
    const auto mask = static_cast<std::uint8_t>(1 << ((channel - 1) % 8));
    auto& b = image[static_cast<std::size_t>(a)];
    b = on ? static_cast<std::uint8_t>(b | mask) : static_cast<std::uint8_t>(b & ~mask);
}

bool ChannelEmptyInImage(const RadioImage& image, int channel) {
    const int base = ChannelRecordAddress(channel);
    return FrequencyFieldEmpty(image, base) && FrequencyFieldEmpty(image, base + 4);
}

ChannelOrder ChannelOrder::Unchanged() {
    ChannelOrder o;
    for (int n = 1; n <= kChannelCount; ++n) o.from[n] = n;
    return o;
}

std::vector<int> ChannelOrder::Touched() const {
    std::vector<int> out;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (from[n] != n || cleared[n]) out.push_back(n);
    }
    return out;
}

Result<ChannelOrder> PlanMove(int from, int to, UiLanguage lang) {
    for (int n : {from, to}) {
        if (!ValidChannel(n)) return BadChannel(n, lang);
    }
    ChannelOrder order = ChannelOrder::Unchanged();
    Rotate(order, from, to);
    return order;
}

Result<ChannelOrder> PlanSwap(int a, int b, UiLanguage lang) {
    for (int n : {a, b}) {
        if (!ValidChannel(n)) return BadChannel(n, lang);
    }
    ChannelOrder order = ChannelOrder::Unchanged();
    order.from[a] = b;
    order.from[b] = a;
    return order;
}

Result<ChannelOrder> PlanClear(const std::vector<int>& channels, UiLanguage lang) {
    for (int n : channels) {
        if (!ValidChannel(n)) return BadChannel(n, lang);
    }
    ChannelOrder order = ChannelOrder::Unchanged();
    for (int n : channels) order.cleared[n] = true;
    return order;
}

Result<ChannelOrder> PlanInsert(const RadioImage& image, int at, UiLanguage lang) {
    if (!ValidChannel(at)) return BadChannel(at, lang);
    if (!ChannelEmptyInImage(image, kChannelCount)) {
        const Bilingual text{"Channel 16 is in use: clear or remove it before inserting a channel.",
                             "信道16已被使用：请先清除或删除该信道，再插入信道。"};
        return Status::Fail(text.In(lang));
    }
    ChannelOrder order = ChannelOrder::Unchanged();
    Rotate(order, kChannelCount, at);
    order.cleared[at] = true;
    return order;
}

Result<ChannelOrder> PlanRemove(int channel, UiLanguage lang) {
    if (!ValidChannel(channel)) return BadChannel(channel, lang);
    ChannelOrder order = ChannelOrder::Unchanged();
    Rotate(order, channel, kChannelCount);
    order.cleared[kChannelCount] = true;
    return order;
}

void ApplyChannelOrder(const ChannelOrder& order, RadioImage& image) {
    const RadioImage before = image;
    const ChannelTable emptyRows;
    for (int n = 1; n <= kChannelCount; ++n) {
        const int source = order.from[n];
        if (source != n) {
            std::copy_n(before.bytes.begin() + ChannelRecordAddress(source), kRecordSize,
                        image.bytes.begin() + ChannelRecordAddress(n));
            SetScanAddBit(image, n, ScanAddBit(before, source));
        }
        if (order.cleared[n]) {
            EncodeChannelRow(emptyRows, n, image);
            SetScanAddBit(image, n, false);
        }
    }
}

void ApplyChannelOrder(const ChannelOrder& order, ChannelTable& table) {
    const ChannelTable before = table;
    for (int n = 1; n <= kChannelCount; ++n) {
        const int source = order.from[n];
        if (source != n) {
            for (int c = 1; c < kTableCols; ++c) table.SetCell(n, c, before.Cell(source, c));
        }
        if (order.cleared[n]) table.ClearRow(n);
    }
}

namespace {

Status ApplyIfOk(const Result<ChannelOrder>& order, RadioImage& image) {
    if (!order) return order.status();
    ApplyChannelOrder(*order, image);
    return Status::Ok();
}

}  // namespace

Status MoveChannel(RadioImage& image, int from, int to) {
    return ApplyIfOk(PlanMove(from, to), image);
}

Status SwapChannels(RadioImage& image, int a, int b) {
    return ApplyIfOk(PlanSwap(a, b), image);
}

Status ClearChannels(RadioImage& image, const std::vector<int>& channels) {
    return ApplyIfOk(PlanClear(channels), image);
}

Status InsertEmptyChannel(RadioImage& image, int at, UiLanguage lang) {
    return ApplyIfOk(PlanInsert(image, at, lang), image);
}

Status RemoveChannel(RadioImage& image, int channel) {
    return ApplyIfOk(PlanRemove(channel), image);
}

void StoreChannel(const ChannelTable& table, int channel, RadioImage& image) {
    EncodeChannelRow(table, channel, image);
    SetScanAddBit(image, channel, words::kYes.Matches(table.Cell(channel, col::kScanAdd)));
}

void StoreChangedChannels(const ChannelTable& before, const ChannelTable& after,
                          RadioImage& image) {
    for (int n = 1; n <= kChannelCount; ++n) {
        bool changed = false;
        for (int c = 1; c < kTableCols; ++c)
            changed = changed || before.Cell(n, c) != after.Cell(n, c);
        if (changed) StoreChannel(after, n, image);
    }
}

}  // namespace qm530
