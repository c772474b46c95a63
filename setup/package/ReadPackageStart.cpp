// The start of reading: the trailer at the end of the file gives the header's
// offset; then the 133-byte header and the licence text when it is flagged.
#include "setup.h"

#include <cstring>

namespace {

std::string HeaderText(const uint8_t* field)
{
    const void* zero = memchr(field, 0, PACKAGE_TEXT_WIDTH);
    if (!zero)
        throw SETUP_ERROR_C("Invalid package header.");
    return std::string((const char*)field, (const uint8_t*)zero - field);
}

}  // namespace

PACKAGEHEADER_T ReadPackageStart(PACKAGEFILE_C& in, std::string* licence)
{
    uint64_t size = in.Size();
    if (size < 4)
        throw SETUP_ERROR_C("Error reading from file.");
    in.Seek(size - 4);
    uint32_t offset = in.ReadU32();
    // The package lies between the stub and the trailer; a trailer pointing
    // anywhere else belongs to a damaged or foreign file.
    if ((uint64_t)offset + PACKAGE_HEADER_SIZE > size - 4)
        throw SETUP_ERROR_C("Invalid package trailer.");
    in.Seek(offset);
    in.SetLimit(size - 4);

    uint8_t raw[PACKAGE_HEADER_SIZE];
    in.ReadExact(raw, sizeof raw);
    PACKAGEHEADER_T header;
    header.product = HeaderText(raw + 0);
    header.version = HeaderText(raw + 31);
    header.show_destination = raw[62] != 0;
    header.show_shortcuts = raw[63] != 0;
    header.has_licence = raw[64] != 0;
    header.show_welcome = raw[65] != 0;
    header.programs_menu = raw[66] != 0;
    header.desktop = raw[67] != 0;
    header.startup = raw[68] != 0;
    header.run_program = raw[69] != 0;
    header.close_running = raw[70] != 0;
    header.window_class = HeaderText(raw + 71);
    header.program = HeaderText(raw + 102);
    // The program is started and linked from the installation directory.
    if (header.product.empty() || !IsSafeFileName(header.program))
        throw SETUP_ERROR_C("Invalid package header.");

    if (licence) {
        licence->clear();
        if (header.has_licence) {
            std::vector<uint8_t> text = ReadBlock(in);
            const void* zero = text.empty() ? nullptr : memchr(text.data(), 0, text.size());
            size_t length = zero ? (const uint8_t*)zero - text.data() : text.size();
            licence->assign((const char*)text.data(), length);
        }
    } else if (header.has_licence) {
        ReadBlock(in);
    }
    return header;
}
