#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/radio_image.h"

namespace qm530::settings {

namespace scan_addr {
constexpr int kPriorityMode = 0x160;
constexpr int kPriorityChannel = 0x161;
constexpr int kLookBackA = 0x162;
constexpr int kLookBackB = 0x163;
constexpr int kRevertChannel = 0x164;
constexpr int kDropoutDelay = 0x165;  // 16 bits, low byte first
constexpr int kTxDwell = 0x167;       // 16 bits, low byte first
}  // namespace scan_addr

// Priority list positions, which are also the stored PriorityMode.
constexpr int kPriorityNone = 0;
constexpr int kPriorityFixed = 1;
constexpr int kPrioritySelected = 2;

constexpr double kLookBackMin = 0.5;
constexpr double kLookBackMax = 5.0;
constexpr int kScanTimeMax = 300;  // dropout delay and transmit dwell

const std::array<Bilingual, 3>& PriorityTexts();
// "Selected", "Selected+Talk back", "Priority", "Priority+Talk back": the
// index is the stored RevertChannel.
const std::array<Bilingual, 4>& RevertTexts();
// The refusal of OK when the priority channel is not programmed.
extern const Bilingual kSelectProgrammedChannel;

std::vector<std::string> PriorityItems(UiLanguage lang);
// The revert choices a priority position offers. An unknown mode (-1)
// offers all four, so that every stored RevertChannel can show.
std::vector<std::string> RevertItems(int priority, UiLanguage lang);
// The RevertChannel stored for a revert position, 0xFF for no selection.
int RevertCodeOfPosition(int priority, int position);
// The revert position of a stored RevertChannel, -1 when not offered.
int RevertPositionOfCode(int priority, int code);

// Look-back times: code c stands for 0.45 + 0.05 c.
double LookBackTimeOfCode(int code);
// trunc(DecimalScale(t - 0.45, 20)) as the stored byte.
int LookBackCodeOfTime(double time);
// Truncates onto the 0.05 grid in decimal arithmetic (0.97 gives 0.95).
double SnapLookBack(double x);
// The limits applied when the focus leaves a field.
double ClampLookBack(double x);
int ClampScanTime(int v);

enum class SpinDirection { Up, Down };
// One spin step: look-back 0.05 with 5.0 -> 0.5 and 0.5 -> 5.0 wrapping,
// times 1 with 300 -> 0 and 0 -> 300 wrapping.
double SpinLookBack(double x, SpinDirection dir);
int SpinScanTime(int v, SpinDirection dir);

// The edits of the dialog, in the order their members are read.
enum class ScanField { LookBackA, LookBackB, TxDwell, DropoutDelay, PriorityChannel };

// The controls of the Scan Information dialog as it shows them.
struct ScanInfoForm {
    int priority = -1;  // -1: no selection
    std::string priorityChannel;
    std::string lookBackA;
    std::string lookBackB;
    std::vector<std::string> revertItems;
    int revert = -1;  // -1: no selection
    std::string dropoutDelay;
    std::string txDwell;
    bool priorityChannelEnabled = false;
    bool lookBackEnabled = false;  // both edits and their spins

    std::string& Text(ScanField field);
    const std::string& Text(ScanField field) const;
    bool operator==(const ScanInfoForm&) const = default;
};

// The dialog's data members; they outlive a showing.
struct ScanInfoMembers {
    std::string priorityChannel;
    double lookBackA = 0.0;
    double lookBackB = 0.0;
    int dropoutDelay = 0;
    int txDwell = 0;
    bool operator==(const ScanInfoMembers&) const = default;
};

// What an operation reports to the user. A number edit that does not hold
// a number stops the reading of the members there (the prompt is shown and
// the operation goes on with the members as they are).
struct ScanOutcome {
    std::optional<ScanField> invalidNumber;
    bool refused = false;  // OK refused: the dialog stays open

    // The prompt for invalidNumber, or the refusal message; empty if none.
    std::string InvalidNumberPrompt(UiLanguage lang) const;
    std::string RefusalMessage(UiLanguage lang) const;
};

// The selection inside the Priority Channel edit (character positions).
struct TextSelection {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The behaviour of the Scan Information dialog without its widgets: the
// dialog copies its controls into form() before an operation and shows
// form() afterwards.
class ScanInfoLogic {
  public:
    explicit ScanInfoLogic(UiLanguage lang = UiLanguage::English) : lang_(lang) {}

    ScanInfoForm& form() { return form_; }
    const ScanInfoForm& form() const { return form_; }
    const ScanInfoMembers& members() const { return members_; }
    UiLanguage language() const { return lang_; }

    // Opening the dialog on an image.
    void Load(const RadioImage& image);
    // The user picks a Priority position: enabling, revert list rebuilt at
    // position 0, Priority Channel emptied unless Fixed.
    void SelectPriority(int position);
    // The spin of a look-back edit (LookBackA/B) or time edit (TxDwell, DropoutDelay).
    ScanOutcome Spin(ScanField field, SpinDirection dir);
    // The focus leaves a time edit: its value is brought into range.
    ScanOutcome LeaveField(ScanField field);
    // OK: reads the members, applies the focus-leave limits to the enabled
    // time fields, checks the priority channel in mode Fixed and stores.
    // Disabled look-back edits store the codes that Load found.
    // A refusal clears `selection` from the Priority Channel text and
    // leaves the image untouched. PriorityMode stays as it was while the
    // Priority list has no selection.
    ScanOutcome Ok(RadioImage& image, TextSelection selection = {});

    // Members <-> controls.
    std::optional<ScanField> ReadMembers();
    void ShowMembers();

  private:
    UiLanguage lang_;
    ScanInfoForm form_;
    ScanInfoMembers members_;
    // The look-back codes of the last Load, stored again while the edits are disabled.
    std::uint8_t loadedLookBackA_ = 0;
    std::uint8_t loadedLookBackB_ = 0;
};

}  // namespace qm530::settings
