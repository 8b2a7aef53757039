#include "cli/fleet_display.h"

#include "cli/text_table.h"

namespace qm530::cli {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

FleetDisplay::FleetDisplay(std::ostream& out, std::ostream& err, std::vector<std::string> names,
                           bool terminal)
    : out_(out), err_(err), names_(std::move(names)), texts_(names_.size()), terminal_(terminal) {
    for (const std::string& n : names_)
        nameWidth_ = std::max(nameWidth_, static_cast<std::size_t>(DisplayWidth(n)));
}

FleetDisplay::~FleetDisplay() {
    Finish();
}

void FleetDisplay::Clear() {
    if (!drawn_) return;
    // Up to the first status line, then erase to the end of the screen.
    err_ << "\x1b[" << names_.size() << "A\r\x1b[J";
    drawn_ = false;
}

void FleetDisplay::DrawAll() {
    if (!terminal_) return;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        std::string name = names_[i];
        name.append(nameWidth_ - static_cast<std::size_t>(DisplayWidth(name)), ' ');
        err_ << name << "  " << texts_[i] << "\x1b[K\n";
    }
    err_.flush();
    drawn_ = true;
}

void FleetDisplay::Set(std::size_t index, const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index >= texts_.size() || texts_[index] == text) return;
    texts_[index] = text;
    if (!terminal_) return;
    Clear();
    DrawAll();
}

void FleetDisplay::Print(const std::string& text, bool toErr) {
    if (text.empty()) return;
    std::lock_guard<std::mutex> lock(mutex_);
    Clear();
    (toErr ? err_ : out_) << text;
    (toErr ? err_ : out_).flush();
    DrawAll();
}

void FleetDisplay::Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    drawn_ = false;  // the lines stay where they are
}

std::string ProgressText(const std::string& label, int position, int steps) {
    const int filled = steps > 0 ? position * kBarWidth / steps : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    return label + " [" + bar + "] " + std::to_string(position) + "/" + std::to_string(steps);
}

}  // namespace qm530::cli
