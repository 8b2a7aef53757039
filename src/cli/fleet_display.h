#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace qm530::cli {

// One status line per port at the bottom of a terminal, redrawn in place,
// with messages printed above them. Without a terminal the lines are not
// drawn and messages are printed as they come. Safe to use from the
// transfer threads.
class FleetDisplay {
  public:
    FleetDisplay(std::ostream& out, std::ostream& err, std::vector<std::string> names,
                 bool terminal);
    ~FleetDisplay();

    // The status text of port `index`.
    void Set(std::size_t index, const std::string& text);
    // Prints text (whole lines) to the output or the error stream above
    // the status lines.
    void Print(const std::string& text, bool toErr);
    // Draws the lines one last time and leaves them on the screen.
    void Finish();

  private:
    void DrawAll();
    void Clear();

    std::mutex mutex_;
    std::ostream& out_;
    std::ostream& err_;
    std::vector<std::string> names_;
    std::vector<std::string> texts_;
    std::size_t nameWidth_ = 0;
    bool terminal_;
    bool drawn_ = false;
};

// A progress bar for a status line: "Writing [#####.....] 31/62".
std::string ProgressText(const std::string& label, int position, int steps);

}  // namespace qm530::cli
