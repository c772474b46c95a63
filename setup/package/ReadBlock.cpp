// One block of the package: packed size, plain size, then the zlib stream or
// the stored bytes. Inflated in one shot into a buffer of the plain size.
#include "setup.h"

#include <zlib.h>

namespace {

// deflate cannot do better than about 1032:1; anything claiming more than
// this from its packed bytes is damaged, and must not get its buffer.
constexpr uint64_t INFLATE_RATIO_MAX = 1040;

}  // namespace

std::vector<uint8_t> ReadBlock(PACKAGEFILE_C& in)
{
    uint32_t packed = in.ReadU32();
    uint32_t plain = in.ReadU32();
    if (plain > PACKAGE_BLOCK_MAX)
        throw SETUP_ERROR_C("Package block too large.");
    if (packed == 0) {
        if (plain > in.Remaining())
            throw SETUP_ERROR_C("Error reading from file.");
        std::vector<uint8_t> data(plain);
        in.ReadExact(data.data(), plain);
        return data;
    }
    if (packed > in.Remaining())
        throw SETUP_ERROR_C("Error reading from file.");
    if (plain > (uint64_t)packed * INFLATE_RATIO_MAX + 64)
        throw SETUP_ERROR_C("Error uncompressing data.");
    std::vector<uint8_t> source(packed);
    in.ReadExact(source.data(), packed);
    // One byte more than announced, so a stream that inflates to more than
    // the plain size is told from one that fits exactly.
    std::vector<uint8_t> data((size_t)plain + 1);
    uLongf length = (uLongf)data.size();
    int result = uncompress(data.data(), &length, source.data(), packed);
    if (result != Z_OK || length != plain)
        throw SETUP_ERROR_C("Error uncompressing data.");
    data.resize(plain);
    return data;
}
