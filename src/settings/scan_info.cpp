#include "settings/scan_info.h"

#include <algorithm>
#include <cstdint>

#include "model/channel_table.h"
#include "model/numbers.h"
#include "settings/dialog_number.h"

namespace qm530::settings {

namespace {

constexpr double kLookBackBase = 0.45;
constexpr double kLookBackStep = 0.05;
constexpr double kLookBackPerUnit = 20.0;  // steps per unit of time
// Added before snapping a step down, so that x - 0.05 landing a hair below
// a grid point still snaps to that point.
constexpr double kDownStepSlack = 0.04;

int ReadWord(const RadioImage& image, int address) {
    const auto a = static_cast<std::size_t>(address);
    return image[a] | (image[a + 1] << 8);
}

void WriteWord(RadioImage& image, int address, int value) {
    const auto a = static_cast<std::size_t>(address);
    image[a] = LowByte(value);
    image[a + 1] = LowByte(value >> 8);
}

bool IsKnownPriority(int position) {
    return position >= kPriorityNone && position <= kPrioritySelected;
}

// The first RevertTexts index and the number of choices a priority position offers.
struct RevertRange {
    int first;
    int count;
};
RevertRange RevertRangeOf(int priority) {
    switch (priority) {
        case kPriorityNone:
            return {0, 2};
        case kPrioritySelected:
            return {2, 2};
        default:
            return {0, 4};  // Fixed, and a mode the list does not know
    }
}

}  // namespace

const Bilingual kSelectProgrammedChannel{"Please select channel inputed", "请选择已输入的信道"};

const std::array<Bilingual, 3>& PriorityTexts() {
    static const std::array<Bilingual, 3> texts = {{
        {"None", "无"},
        {"Fixed", "固定"},
        {"Selected", "选定"},
    }};
    return texts;
}

const std::array<Bilingual, 4>& RevertTexts() {
    static const std::array<Bilingual, 4> texts = {{
        {"Selected", "选定"},
        {"Selected+Talk back", "选定+当前通话"},
        {"Priority", "优先"},
        {"Priority+Talk back", "优先+当前通话"},
    }};
    return texts;
}

std::vector<std::string> PriorityItems(UiLanguage lang) {
    std::vector<std::string> items;
    for (const Bilingual& b : PriorityTexts()) items.push_back(b.In(lang));
    return items;
}

std::vector<std::string> RevertItems(int priority, UiLanguage lang) {
    const RevertRange r = RevertRangeOf(priority);
    std::vector<std::string> items;
    for (int i = 0; i < r.count; ++i)
        items.push_back(RevertTexts()[static_cast<std::size_t>(r.first + i)].In(lang));
    return items;
}

int RevertCodeOfPosition(int priority, int position) {
    const RevertRange r = RevertRangeOf(priority);
    if (position < 0 || position >= r.count) return 0xFF;
    return r.first + position;
}

int RevertPositionOfCode(int priority, int code) {
    const RevertRange r = RevertRangeOf(priority);
    const int position = code - r.first;
    return position >= 0 && position < r.count ? position : -1;
}

double LookBackTimeOfCode(int code) {
    return kLookBackBase + kLookBackStep * code;
}

int LookBackCodeOfTime(double time) {
    return LowByte(ScaleToInt(time - kLookBackBase, kLookBackPerUnit));
}

double SnapLookBack(double x) {
    return ScaleToInt(x, kLookBackPerUnit) * kLookBackStep;
}

double ClampLookBack(double x) {
    if (x > kLookBackMax) return kLookBackMax;
    if (x < kLookBackMin) return kLookBackMin;
    return SnapLookBack(x);
}

int ClampScanTime(int v) {
    return std::clamp(v, 0, kScanTimeMax);
}

double SpinLookBack(double x, SpinDirection dir) {
    if (dir == SpinDirection::Up) {
        x += kLookBackStep;
        if (x > kLookBackMax) return kLookBackMin;  // wrap to the start
        if (x < kLookBackMin) return kLookBackMin;
        return SnapLookBack(x);
    }
    x -= kLookBackStep;
    if (x < kLookBackMin) return kLookBackMax;  // wrap to the end
    if (x > kLookBackMax) return kLookBackMax;
    return SnapLookBack(x + kDownStepSlack);
}

int SpinScanTime(int v, SpinDirection dir) {
    if (dir == SpinDirection::Up) return v >= kScanTimeMax ? 0 : v + 1;
    return v <= 0 ? kScanTimeMax : v - 1;
}

std::string& ScanInfoForm::Text(ScanField field) {
    switch (field) {
        case ScanField::LookBackA:
            return lookBackA;
        case ScanField::LookBackB:
            return lookBackB;
        case ScanField::TxDwell:
            return txDwell;
        case ScanField::DropoutDelay:
            return dropoutDelay;
        case ScanField::PriorityChannel:
            break;
    }
    return priorityChannel;
}

const std::string& ScanInfoForm::Text(ScanField field) const {
    return const_cast<ScanInfoForm*>(this)->Text(field);
}

std::string ScanOutcome::InvalidNumberPrompt(UiLanguage lang) const {
    if (!invalidNumber) return {};
    const bool integer =
        *invalidNumber == ScanField::TxDwell || *invalidNumber == ScanField::DropoutDelay;
    return EnterNumberPrompt(integer, lang == UiLanguage::Chinese);
}

std::string ScanOutcome::RefusalMessage(UiLanguage lang) const {
    return refused ? kSelectProgrammedChannel.In(lang) : std::string();
}

void ScanInfoLogic::Load(const RadioImage& image) {
    namespace a = scan_addr;
    const int mode = image[a::kPriorityMode];
    SelectPriority(IsKnownPriority(mode) ? mode : -1);
    members_.priorityChannel =
        form_.priority == kPriorityFixed ? CFormatInt("%2d", image[a::kPriorityChannel]) : "";
    loadedLookBackA_ = image[a::kLookBackA];
    loadedLookBackB_ = image[a::kLookBackB];
    members_.lookBackA = LookBackTimeOfCode(loadedLookBackA_);
    members_.lookBackB = LookBackTimeOfCode(loadedLookBackB_);
    form_.revert = RevertPositionOfCode(form_.priority, image[a::kRevertChannel]);
    members_.dropoutDelay = ReadWord(image, a::kDropoutDelay);
    members_.txDwell = ReadWord(image, a::kTxDwell);
    ShowMembers();
}

void ScanInfoLogic::SelectPriority(int position) {
    if (!IsKnownPriority(position)) position = -1;
    form_.priority = position;
    const bool fixed = position == kPriorityFixed;
    if (!fixed) form_.priorityChannel.clear();
    form_.priorityChannelEnabled = fixed;
    form_.lookBackEnabled = fixed;
    form_.revertItems = RevertItems(position, lang_);
    form_.revert = 0;
}

ScanOutcome ScanInfoLogic::Spin(ScanField field, SpinDirection dir) {
    ScanOutcome out;
    out.invalidNumber = ReadMembers();
    switch (field) {
        case ScanField::LookBackA:
            members_.lookBackA = SpinLookBack(members_.lookBackA, dir);
            break;
        case ScanField::LookBackB:
            members_.lookBackB = SpinLookBack(members_.lookBackB, dir);
            break;
        case ScanField::TxDwell:
            members_.txDwell = SpinScanTime(members_.txDwell, dir);
            break;
        case ScanField::DropoutDelay:
            members_.dropoutDelay = SpinScanTime(members_.dropoutDelay, dir);
            break;
        case ScanField::PriorityChannel:
            break;
    }
    ShowMembers();
    return out;
}

ScanOutcome ScanInfoLogic::LeaveField(ScanField field) {
    ScanOutcome out;
    out.invalidNumber = ReadMembers();
    switch (field) {
        case ScanField::LookBackA:
            members_.lookBackA = ClampLookBack(members_.lookBackA);
            break;
        case ScanField::LookBackB:
            members_.lookBackB = ClampLookBack(members_.lookBackB);
            break;
        case ScanField::TxDwell:
            members_.txDwell = ClampScanTime(members_.txDwell);
            break;
        case ScanField::DropoutDelay:
            members_.dropoutDelay = ClampScanTime(members_.dropoutDelay);
            break;
        case ScanField::PriorityChannel:
            break;
    }
    ShowMembers();
    return out;
}

ScanOutcome ScanInfoLogic::Ok(RadioImage& image, TextSelection selection) {
    namespace a = scan_addr;
    ScanOutcome out;
    out.invalidNumber = ReadMembers();
    // A time outside the radio's range must never reach the image, also
    // when OK comes with Enter while a time edit still has the focus. The
    // look-back edits are limited only while the user can change them;
    // disabled, they store the codes they were loaded from.
    const bool lookBack = form_.lookBackEnabled;
    if (lookBack) {
        members_.lookBackA = ClampLookBack(members_.lookBackA);
        members_.lookBackB = ClampLookBack(members_.lookBackB);
    }
    members_.dropoutDelay = ClampScanTime(members_.dropoutDelay);
    members_.txDwell = ClampScanTime(members_.txDwell);
    ShowMembers();

    if (form_.priority == kPriorityFixed) {
        const int n = CAtoi(members_.priorityChannel);
        if (!ChannelProgrammedInImage(image, n)) {
            std::string& text = form_.priorityChannel;
            const std::size_t start = std::min(selection.start, text.size());
            text.erase(start, std::min(selection.length, text.size() - start));
            ReadMembers();
            out.refused = true;
            return out;
        }
        image[a::kPriorityChannel] = LowByte(n);
    }
    if (IsKnownPriority(form_.priority)) image[a::kPriorityMode] = LowByte(form_.priority);
    image[a::kLookBackA] =
        lookBack ? LowByte(LookBackCodeOfTime(members_.lookBackA)) : loadedLookBackA_;
    image[a::kLookBackB] =
        lookBack ? LowByte(LookBackCodeOfTime(members_.lookBackB)) : loadedLookBackB_;
    image[a::kRevertChannel] = LowByte(RevertCodeOfPosition(form_.priority, form_.revert));
    WriteWord(image, a::kDropoutDelay, members_.dropoutDelay);
    WriteWord(image, a::kTxDwell, members_.txDwell);
    return out;
}

std::optional<ScanField> ScanInfoLogic::ReadMembers() {
    const Result<double> lookBackA = ReadDialogDouble(form_.lookBackA);
    if (!lookBackA) return ScanField::LookBackA;
    members_.lookBackA = *lookBackA;
    const Result<double> lookBackB = ReadDialogDouble(form_.lookBackB);
    if (!lookBackB) return ScanField::LookBackB;
    members_.lookBackB = *lookBackB;
    const Result<int> txDwell = ReadDialogInt(form_.txDwell);
    if (!txDwell) return ScanField::TxDwell;
    members_.txDwell = *txDwell;
    const Result<int> dropoutDelay = ReadDialogInt(form_.dropoutDelay);
    if (!dropoutDelay) return ScanField::DropoutDelay;
    members_.dropoutDelay = *dropoutDelay;
    members_.priorityChannel = form_.priorityChannel;
    return std::nullopt;
}

void ScanInfoLogic::ShowMembers() {
    form_.priorityChannel = members_.priorityChannel;
    form_.lookBackA = FormatDialogDouble(members_.lookBackA);
    form_.lookBackB = FormatDialogDouble(members_.lookBackB);
    form_.dropoutDelay = CFormatInt("%d", members_.dropoutDelay);
    form_.txDwell = CFormatInt("%d", members_.txDwell);
}

}  // namespace qm530::settings
