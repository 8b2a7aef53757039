#include "model/messages.h"

namespace qm530 {

namespace {

struct Entry {
    int id;
    Bilingual text;
};

constexpr Entry kTable[] = {
    {msg::kOutOfRange, {"Out of range,please input again.", "超出范围，请重新输入。"}},
    {msg::kCommError,
     {"Communication Error,Please check all the connections and the radio power",
      "通讯错误，请检查所有连接及对讲机电源"}},
    {msg::kClearAll, {"All data will be Cleared!", "所有数据将被清除！"}},
    {msg::kPortOpenFailed,
     {"Could not Open the Port,Please check whether the Port are occupied or the device are ok",
      "无法打开端口，请检查端口是否被占用或设备是否正常"}},
    {msg::kProgramInterrupt,
     {"Program Interrupt, Please reset the radio and try again", "编程中断，请重启对讲机后再试"}},
    {msg::kStepError,
     {"Error data Value, please input according the step value(6.25K/5k).",
      "数据错误，请按步进值(6.25K/5K)输入。"}},
    {msg::kCaution, {"Caution", "注意"}},
    {msg::kAppTitle, {"Program", "Program"}},
};

}  // namespace

const char* MessageText(int id, UiLanguage lang) {
    for (const Entry& e : kTable) {
        if (e.id == id) return e.text.In(lang);
    }
    return nullptr;
}

std::string Say(UiLanguage lang, const Bilingual& pattern,
                std::initializer_list<std::string_view> args) {
    const std::string_view text = pattern.In(lang);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '1')
                : args.size();
        if (n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace qm530
