#include "model/dat_file.h"

#include <filesystem>
#include <string_view>

#include "model/atomic_file.h"

namespace qm530 {

namespace {

// The tool's JSON export starts with '{' and holds text only; no radio
// image does both in its first bytes.
bool LooksLikeJson(std::string_view head) {
    const auto first = head.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || head[first] != '{') return false;
    for (const char c : head) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

}  // namespace

Result<DatFile> ReadDatFile(const std::string& path) {
    const Result<FileHead> read = ReadFileHead(path, kImageSize);
    if (!read) return read.status();
    const std::string& head = read->bytes;
    if (LooksLikeJson(head)) {
        return Status::Fail(path +
                                ": this is a JSON configuration, not a radio image; bring it "
                                "into one with: qm530 import --format json IMAGE.dat " +
                                path,
                            openfail::kJson);
    }
    if (head.size() < kImageSize) {
        return Status::Fail(path + ": the file holds " + std::to_string(head.size()) +
                                " bytes; a radio image needs 1024",
                            openfail::kTooShort);
    }
    DatFile file;
    for (std::size_t i = 0; i < kImageSize; ++i) file.image[i] = static_cast<std::uint8_t>(head[i]);
    file.size = read->size;
    return file;
}

Result<RadioImage> LoadDatFile(const std::string& path) {
    Result<DatFile> file = ReadDatFile(path);
    if (!file) return file.status();
    return file->image;
}

std::string LongerFileNote(const std::string& path, std::uintmax_t size) {
    return path + ": the file holds " + std::to_string(size) +
           " bytes, more than a radio image (1024); only its first 1024 bytes are read";
}

std::string OpenFailureSentence(const Status& failure, UiLanguage lang) {
    static constexpr struct {
        int id;
        Bilingual text;
    } kSentences[] = {
        {openfail::kMissing, {"The file does not exist.", "文件不存在。"}},
        {openfail::kNotAFile, {"This is not a file.", "这不是一个文件。"}},
        {openfail::kUnreadable, {"The file cannot be read.", "文件无法读取。"}},
        {openfail::kTooShort,
         {"The file is shorter than 1024 bytes and holds no radio data.",
          "文件短于 1024 字节，不含对讲机数据。"}},
        {openfail::kReadError, {"The file could not be read.", "读取文件时出错。"}},
        {openfail::kLinkLoop,
         {"The symbolic links of this name point at each other in a loop.",
          "此名称的符号链接相互指向，形成循环。"}},
        {openfail::kJson,
         {"This is a configuration in JSON, not a radio image. Bring it into a radio image "
          "with the command-line tool: qm530 import --format json IMAGE.dat FILE.json",
          "这是 JSON 格式的配置，不是对讲机数据文件。请用命令行工具导入到数据文件："
          "qm530 import --format json IMAGE.dat FILE.json"}},
        {savefail::kBusy,
         {"Another program is changing the file just now; try again in a moment.",
          "另一个程序正在修改该文件，请稍后再试。"}},
        {savefail::kLonger,
         {"The file is longer than a radio image (1024 bytes); saving would cut it. Use Save "
          "As to save to a new .dat file.",
          "该文件比对讲机数据（1024 字节）长，保存会截断它。请用“另存为”保存到新的 .dat "
          "文件。"}},
    };
    for (const auto& s : kSentences) {
        if (s.id == failure.messageId()) return s.text.In(lang);
    }
    return failure.detail();
}

Status SaveDatFile(const std::string& path, const RadioImage& image, bool overLonger) {
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    const std::uintmax_t size =
        std::filesystem::is_regular_file(name, ec) ? std::filesystem::file_size(name, ec) : 0;
    if (!overLonger && !ec && size > kImageSize) {
        return Status::Fail(path + ": the file holds " + std::to_string(size) +
                                " bytes, more than a radio image (1024); saving would cut it "
                                "(--force saves all the same, or save to a new .dat file)",
                            savefail::kLonger);
    }
    return WriteFileAtomically(path, std::string(image.bytes.begin(), image.bytes.end()));
}

}  // namespace qm530
