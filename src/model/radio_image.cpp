#include "model/radio_image.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "model/atomic_file.h"

namespace qm530 {

namespace {

struct DefaultByte {
    int address;
    std::uint8_t value;
};

constexpr DefaultByte kDefaults[] = {
    {0x000, 0x00}, {0x001, 0x00}, {0x002, 0x00}, {0x008, 0x00}, {0x009, 0x03}, {0x00A, 0x01},
    {0x00B, 0x00}, {0x00C, 0x02}, {0x00D, 0x00}, {0x00E, 0x24}, {0x00F, 0x11}, {0x12F, 0x01},
    {0x130, 0x04}, {0x131, 0x09}, {0x134, 0x04}, {0x135, 0x01}, {0x136, 0x01}, {0x13A, 0x05},
    {0x13B, 0x02}, {0x160, 0x00}, {0x161, 0x11}, {0x162, 0x09}, {0x163, 0x15}, {0x165, 0x30},
    {0x166, 0x00}, {0x167, 0x30}, {0x168, 0x00}, {0x17E, 0x00}, {0x17F, 0x00}, {0x1B8, 0x50},
    {0x1B9, 0x33}, {0x1BA, 0x32}, {0x1BB, 0x30}, {0x1BC, 0x37}, {0x1BD, 0x33}, {0x1BE, 0xF0},
    {0x1BF, 0x01}, {0x3F1, 0x00}, {0x3F2, 0x18},
};
static_assert(std::size(kDefaults) == kDefaultImageEntries);

}  // namespace

RadioImage RadioImage::Blank() {
    RadioImage image;
    image.bytes.fill(kUnprogrammed);
    return image;
}

RadioImage RadioImage::Default() {
    RadioImage image = Blank();
    for (const DefaultByte& d : kDefaults) image[d.address] = d.value;
    return image;
}

Status LoadDatFile(const std::string& path, RadioImage& image) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::Fail(path + ": cannot open the file for reading");
    std::vector<char> data(kImageSize);
    in.read(data.data(), static_cast<std::streamsize>(kImageSize));
    const std::streamsize got = in.gcount();
    if (in.bad()) return Status::Fail(path + ": read error");
    if (got < static_cast<std::streamsize>(kImageSize)) {
        return Status::Fail(path + ": the file holds " + std::to_string(got) +
                            " bytes; a radio image needs 1024");
    }
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(data[i]);
    return Status::Ok();
}

Status SaveDatFile(const std::string& path, const RadioImage& image) {
    return WriteFileAtomically(path, std::string(image.bytes.begin(), image.bytes.end()));
}

}  // namespace qm530
