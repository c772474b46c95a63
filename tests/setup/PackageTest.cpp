// The installer's package: the file primitives, round trips through the
// builder and the reader for every field and option, the exact layout at the
// edges, and the message of every way a package can be refused.
#include "SetupTestUtil.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>

namespace {

using st::Bytes;
using st::TempFile;

// What reading the package at path ends in: "" for success, else the message.
std::string Outcome(const std::vector<uint8_t>& bytes)
{
    TempFile file("outcome");
    file.Put(bytes);
    try {
        ReadPackage(file.path);
        return "";
    } catch (const SETUP_ERROR_C& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("unexpected: ") + e.what();
    }
}

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        out.push_back((uint8_t)(v >> (8 * i)));
}

void PutString(std::vector<uint8_t>& out, const std::string& s)
{
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
}

// A hand-made package: a 16-byte stub, a header for "P" / "p.exe", a stored
// uninstaller, then the given body, then the trailer.
std::vector<uint8_t> Raw(const std::vector<uint8_t>& body)
{
    std::vector<uint8_t> out;
    out.reserve(16 + PACKAGE_HEADER_SIZE + 9 + body.size() + 4);
    out.resize(16 + PACKAGE_HEADER_SIZE, 0);
    memset(out.data(), 'M', 16);
    out[16] = 'P';
    memcpy(out.data() + 16 + 102, "p.exe", 5);
    PutU32(out, 0);
    PutU32(out, 1);
    out.push_back('u');
    out.insert(out.end(), body.begin(), body.end());
    PutU32(out, 16);
    return out;
}

// A body with one file entry, the given name, destination and subdirectory,
// its data stored, and empty sections after it.
std::vector<uint8_t> OneFileBody(const std::string& name, uint32_t destination, const std::string& subdir)
{
    std::vector<uint8_t> b;
    PutU32(b, 1);
    PutString(b, name);
    PutU32(b, 2);
    PutU32(b, destination);
    PutString(b, subdir);
    for (uint32_t v : {1u, 2u, 2000u, 0u, 0u, 0u})
        PutU32(b, v);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 2);
    b.push_back('x');
    b.push_back('y');
    for (int i = 0; i < 4; i++)
        PutU32(b, 0);
    return b;
}

std::vector<uint8_t> EmptyBody()
{
    std::vector<uint8_t> b;
    PutU32(b, 0);  // files
    PutU32(b, 0);  // stored data block of nothing
    PutU32(b, 0);
    for (int i = 0; i < 4; i++)
        PutU32(b, 0);
    return b;
}

void ExpectSame(const PACKAGE_T& a, const PACKAGE_T& b)
{
    const PACKAGEHEADER_T &x = a.header, &y = b.header;
    EXPECT_EQ(x.product, y.product);
    EXPECT_EQ(x.version, y.version);
    EXPECT_EQ(x.show_destination, y.show_destination);
    EXPECT_EQ(x.show_shortcuts, y.show_shortcuts);
    EXPECT_EQ(x.has_licence, y.has_licence);
    EXPECT_EQ(x.show_welcome, y.show_welcome);
    EXPECT_EQ(x.programs_menu, y.programs_menu);
    EXPECT_EQ(x.desktop, y.desktop);
    EXPECT_EQ(x.startup, y.startup);
    EXPECT_EQ(x.run_program, y.run_program);
    EXPECT_EQ(x.close_running, y.close_running);
    EXPECT_EQ(x.window_class, y.window_class);
    EXPECT_EQ(x.program, y.program);
    EXPECT_EQ(a.licence, b.licence);
    EXPECT_EQ(a.uninstaller, b.uninstaller);
    ASSERT_EQ(a.files.size(), b.files.size());
    for (size_t i = 0; i < a.files.size(); i++) {
        const FILEENTRY_T &f = a.files[i], &g = b.files[i];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.name, g.name);
        EXPECT_EQ(f.size, g.size);
        EXPECT_EQ(f.destination, g.destination);
        EXPECT_EQ(f.subdir, g.subdir);
        EXPECT_EQ(f.time.day, g.time.day);
        EXPECT_EQ(f.time.month1, g.time.month1);
        EXPECT_EQ(f.time.year, g.time.year);
        EXPECT_EQ(f.time.hour, g.time.hour);
        EXPECT_EQ(f.time.minute, g.time.minute);
        EXPECT_EQ(f.time.second, g.time.second);
        EXPECT_EQ(f.version_check, g.version_check);
        for (int w = 0; w < 4; w++)
            EXPECT_EQ(f.version[w], g.version[w]);
        EXPECT_EQ(f.replace_at_restart, g.replace_at_restart);
        EXPECT_EQ(f.self_register, g.self_register);
        EXPECT_EQ(f.shared_dll, g.shared_dll);
    }
    EXPECT_EQ(a.file_data, b.file_data);
    for (auto pair : {std::make_pair(&a.user_values, &b.user_values),
                      std::make_pair(&a.machine_values, &b.machine_values)}) {
        ASSERT_EQ(pair.first->size(), pair.second->size());
        for (size_t k = 0; k < pair.first->size(); k++) {
            const REGKEY_T &p = (*pair.first)[k], &q = (*pair.second)[k];
            EXPECT_EQ(p.path, q.path);
            ASSERT_EQ(p.values.size(), q.values.size());
            for (size_t v = 0; v < p.values.size(); v++) {
                EXPECT_EQ(p.values[v].type, q.values[v].type);
                EXPECT_EQ(p.values[v].name, q.values[v].name);
                EXPECT_EQ(p.values[v].value, q.values[v].value);
            }
        }
    }
    ASSERT_EQ(a.associations.size(), b.associations.size());
    for (size_t i = 0; i < a.associations.size(); i++) {
        const ASSOCIATION_T &p = a.associations[i], &q = b.associations[i];
        EXPECT_EQ(p.extension, q.extension);
        EXPECT_EQ(p.file_type, q.file_type);
        EXPECT_EQ(p.description, q.description);
        EXPECT_EQ(p.program, q.program);
        EXPECT_EQ(p.icon, q.icon);
        EXPECT_EQ(p.icon_index, q.icon_index);
    }
    ASSERT_EQ(a.programs.size(), b.programs.size());
    for (size_t i = 0; i < a.programs.size(); i++) {
        EXPECT_EQ(a.programs[i].command, b.programs[i].command);
        EXPECT_EQ(a.programs[i].parameters, b.programs[i].parameters);
        EXPECT_EQ(a.programs[i].condition, b.programs[i].condition);
    }
}

PACKAGE_T RoundTrip(const PACKAGE_T& p, size_t stub, const PACKOPTIONS_T& options)
{
    TempFile file("roundtrip");
    file.Put(st::WithStub(p, stub, options));
    return ReadPackage(file.path);
}

// --- File primitives -------------------------------------------------------

TEST(PackageFile, OpenModes)
{
    TempFile file("modes");
    EXPECT_THROW(
        {
            try {
                PACKAGEFILE_C in(file.path, OPEN_READ);
            } catch (const SETUP_ERROR_C& e) {
                EXPECT_STREQ("Unable to open file.", e.what());
                throw;
            }
        },
        SETUP_ERROR_C);
    // Append needs an existing file; it does not create one.
    EXPECT_THROW(PACKAGEFILE_C(file.path, OPEN_APPEND), SETUP_ERROR_C);

    file.Put(Bytes("old contents"));
    {
        PACKAGEFILE_C out(file.path, OPEN_WRITE);
        out.Write("new", 3);
    }
    EXPECT_EQ(Bytes("new"), file.Get());
    {
        PACKAGEFILE_C out(file.path, OPEN_APPEND);
        EXPECT_EQ(3u, out.Tell());
        out.Write("er", 2);
    }
    EXPECT_EQ(Bytes("newer"), file.Get());
    EXPECT_THROW(PACKAGEFILE_C("/nonexistent-dir/x", OPEN_WRITE), SETUP_ERROR_C);
}

TEST(PackageFile, FailedWriteIsReported)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    PACKAGEFILE_C out("/dev/full", OPEN_WRITE);
    std::vector<uint8_t> data(1 << 16, 1);
    try {
        out.Write(data.data(), data.size());
        FAIL() << "a write to a full device succeeded";
    } catch (const SETUP_ERROR_C& e) {
        EXPECT_STREQ("Error writing to file.", e.what());
    }
}

TEST(PackageFile, ExactReadsSeekAndSize)
{
    TempFile file("reads");
    file.Put({1, 0, 0, 0, 0x78, 0x56, 0x34, 0x12, 'a', 'b'});
    PACKAGEFILE_C in(file.path, OPEN_READ);
    EXPECT_EQ(10u, in.Size());
    EXPECT_EQ(1u, in.ReadU32());
    EXPECT_EQ(0x12345678u, in.ReadU32());
    EXPECT_EQ(8u, in.Tell());
    char three[3];
    try {
        in.ReadExact(three, 3);
        FAIL() << "short read succeeded";
    } catch (const SETUP_ERROR_C& e) {
        EXPECT_STREQ("Error reading from file.", e.what());
    }
    in.Seek(8);
    in.ReadExact(three, 2);
    EXPECT_EQ('b', three[1]);
    // The limit stands for the trailer: nothing at or after it is readable.
    in.Seek(0);
    in.SetLimit(4);
    EXPECT_EQ(1u, in.ReadU32());
    EXPECT_THROW(in.ReadU32(), SETUP_ERROR_C);
}

TEST(PackageFile, NameReadLeavesThePositionAfterTheTerminator)
{
    TempFile file("names");
    std::vector<uint8_t> bytes = Bytes(std::string("KING.STL") + '\0' + "pieces" + '\0');
    std::string longest(PACKAGE_NAME_MAX, 'n');
    bytes.insert(bytes.end(), longest.begin(), longest.end());
    bytes.push_back(0);
    bytes.push_back('z');
    bytes.push_back(0);
    file.Put(bytes);
    PACKAGEFILE_C in(file.path, OPEN_READ);
    EXPECT_EQ("KING.STL", in.ReadName());
    EXPECT_EQ(9u, in.Tell());
    EXPECT_EQ("pieces", in.ReadString());
    EXPECT_EQ(longest, in.ReadName());
    // A name close to the end reads a shorter run, not past the file.
    EXPECT_EQ("z", in.ReadName());
    EXPECT_EQ(bytes.size(), in.Tell());
}

TEST(PackageFile, StringsWithoutTerminatorAreRefused)
{
    TempFile file("unterminated");
    file.Put(Bytes(std::string(PACKAGE_NAME_READ, 'n')));
    {
        PACKAGEFILE_C in(file.path, OPEN_READ);
        try {
            in.ReadName();
            FAIL();
        } catch (const SETUP_ERROR_C& e) {
            EXPECT_STREQ("String without terminator.", e.what());
        }
    }
    {
        PACKAGEFILE_C in(file.path, OPEN_READ);
        try {
            in.ReadString();
            FAIL();
        } catch (const SETUP_ERROR_C& e) {
            EXPECT_STREQ("String without terminator.", e.what());
        }
    }
    // A long string is bounded too, not collected without end.
    file.Put(Bytes(std::string(PACKAGE_STRING_MAX + 10, 's') + '\0'));
    PACKAGEFILE_C in(file.path, OPEN_READ);
    EXPECT_THROW(in.ReadString(), SETUP_ERROR_C);
}

// --- Round trips -----------------------------------------------------------

TEST(PackageRoundTrip, EveryFieldAndEveryPackingChoice)
{
    for (bool pack_licence : {true, false})
        for (bool pack_files : {true, false})
            for (size_t stub : {0, 1, 4096}) {
                SCOPED_TRACE(testing::Message() << pack_licence << pack_files << stub);
                PACKOPTIONS_T options;
                options.pack_licence = pack_licence;
                options.pack_files = pack_files;
                ExpectSame(st::FullPackage(), RoundTrip(st::FullPackage(), stub, options));
            }
}

TEST(PackageRoundTrip, HeaderFlagsOneAtATime)
{
    for (int flag = 0; flag < 9; flag++) {
        PACKAGE_T p = st::EmptyPackage();
        bool* flags[] = {&p.header.show_destination, &p.header.show_shortcuts, &p.header.has_licence,
                         &p.header.show_welcome,     &p.header.programs_menu,  &p.header.desktop,
                         &p.header.startup,          &p.header.run_program,    &p.header.close_running};
        *flags[flag] = true;
        std::vector<uint8_t> bytes = st::WithStub(p, 0);
        // Bytes 62..70 in order; the licence flag brings an (empty) block.
        int offsets[] = {62, 63, 64, 65, 66, 67, 68, 69, 70};
        for (int i = 0; i < 9; i++)
            EXPECT_EQ(i == flag ? 1 : 0, bytes[offsets[i]]) << "flag " << flag << " byte " << offsets[i];
        ExpectSame(p, RoundTrip(p, 0, {}));
    }
}

TEST(PackageRoundTrip, HeaderLayout)
{
    PACKAGE_T p = st::FullPackage();
    std::vector<uint8_t> bytes = st::WithStub(p, 100);
    EXPECT_EQ(0, memcmp(&bytes[100], "Vornak", 7));
    EXPECT_EQ(0, memcmp(&bytes[131], "2.98F", 6));
    EXPECT_EQ(0, memcmp(&bytes[171], "vornak", 7));
    EXPECT_EQ(0, memcmp(&bytes[202], "vornak.exe", 11));
    size_t n = bytes.size();
    EXPECT_EQ(100u, bytes[n - 4] | bytes[n - 3] << 8 | bytes[n - 2] << 16 | (uint32_t)bytes[n - 1] << 24);
}

TEST(PackageRoundTrip, EmptyListsEndDirectlyWithTheTrailer)
{
    PACKAGE_T p = st::EmptyPackage();
    std::vector<uint8_t> bytes = st::WithStub(p, 7, {true, false});
    // Uninstaller block, then: file count, stored data block (0, 0), two
    // registry counts, associations, run list, trailer.
    std::vector<uint8_t> tail;
    for (uint32_t v : {0u, 0u, 0u, 0u, 0u, 0u, 0u, 7u})
        PutU32(tail, v);
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - tail.size()));
    ExpectSame(p, RoundTrip(p, 7, {true, false}));
}

TEST(PackageRoundTrip, VersionWordsOnlyWithVersionCheck)
{
    PACKAGE_T with = st::EmptyPackage(), without = st::EmptyPackage();
    FILEENTRY_T f;
    f.name = "a";
    f.size = 1;
    with.file_data = without.file_data = Bytes("a");
    without.files = {f};
    f.version_check = true;
    f.version[0] = 0xFFFFFFFFu;
    f.version[3] = 1;
    with.files = {f};
    EXPECT_EQ(st::WithStub(without, 0).size() + 16, st::WithStub(with, 0).size());
    ExpectSame(with, RoundTrip(with, 0, {}));
    ExpectSame(without, RoundTrip(without, 0, {}));
}

TEST(PackageRoundTrip, StoredBlocksAreCopiedUnchanged)
{
    PACKAGE_T p = st::FullPackage();
    p.file_data = Bytes("exe bytessolid");
    std::vector<uint8_t> bytes = st::WithStub(p, 0, {false, false});
    // Stored data appears verbatim, behind a zero packed size.
    std::vector<uint8_t> marker;
    PutU32(marker, 0);
    PutU32(marker, (uint32_t)p.file_data.size());
    marker.insert(marker.end(), p.file_data.begin(), p.file_data.end());
    EXPECT_NE(bytes.end(), std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end()));
    std::string licence = p.licence;
    EXPECT_NE(bytes.end(), std::search(bytes.begin(), bytes.end(), licence.begin(), licence.end()));
}

TEST(PackageRoundTrip, BuilderRefusesWhatCannotBeRead)
{
    PACKAGE_T p = st::EmptyPackage();
    p.header.product = std::string(31, 'x');
    EXPECT_THROW(BuildPackage(p, 0, {}), SETUP_ERROR_C);
    p = st::EmptyPackage();
    p.file_data = Bytes("extra");
    EXPECT_THROW(BuildPackage(p, 0, {}), SETUP_ERROR_C);
    p = st::EmptyPackage();
    p.user_values = {{"k", {{1, "a=b", "c"}}}};
    EXPECT_THROW(BuildPackage(p, 0, {}), SETUP_ERROR_C);
    p = st::EmptyPackage();
    FILEENTRY_T f;
    f.name = "..";
    p.files = {f};
    EXPECT_THROW(BuildPackage(p, 0, {}), SETUP_ERROR_C);
    f.name = "a";
    f.time.month1 = 14;  // calendar month 13
    p.files = {f};
    EXPECT_THROW(BuildPackage(p, 0, {}), SETUP_ERROR_C);
}

// --- Refusals --------------------------------------------------------------

TEST(PackageRefusal, TrailerAndHeader)
{
    EXPECT_EQ("Error reading from file.", Outcome({1, 2}));
    std::vector<uint8_t> good = Raw(EmptyBody());
    ASSERT_EQ("", Outcome(good));

    std::vector<uint8_t> bad = good;
    bad[bad.size() - 4] = 0xF0;  // far outside
    bad[bad.size() - 1] = 0x7F;
    EXPECT_EQ("Invalid package trailer.", Outcome(bad));
    bad = good;
    uint32_t inside_trailer = (uint32_t)good.size() - PACKAGE_HEADER_SIZE;
    memcpy(&bad[bad.size() - 4], &inside_trailer, 4);
    EXPECT_EQ("Invalid package trailer.", Outcome(bad));

    bad = good;
    memset(&bad[16], 'x', 31);  // product without terminator
    EXPECT_EQ("Invalid package header.", Outcome(bad));
    bad = good;
    memcpy(&bad[16 + 102], "..\0", 3);  // the program would lie outside
    EXPECT_EQ("Invalid package header.", Outcome(bad));
}

TEST(PackageRefusal, Blocks)
{
    std::vector<uint8_t> body = EmptyBody();
    // A stored data block announcing more than the package holds.
    std::vector<uint8_t> b = body;
    b[8] = 0xFF;
    EXPECT_EQ("Error reading from file.", Outcome(Raw(b)));
    // An absurd plain size is refused before any buffer is made.
    b = body;
    b[8] = 0xFF, b[9] = 0xFF, b[10] = 0xFF, b[11] = 0xFF;
    EXPECT_EQ("Package block too large.", Outcome(Raw(b)));

    // A packed block: damaged stream, a stream shorter and longer than announced.
    auto packed = [](const std::string& plain, uint32_t announced, bool damage) {
        uLongf length = compressBound(plain.size());
        std::vector<uint8_t> z(length);
        compress2(z.data(), &length, (const Bytef*)plain.data(), plain.size(), 9);
        z.resize(length);
        if (damage)
            z[z.size() / 2] ^= 0x55;
        std::vector<uint8_t> b;
        PutU32(b, 0);  // no files
        PutU32(b, (uint32_t)z.size());
        PutU32(b, announced);
        b.insert(b.end(), z.begin(), z.end());
        for (int i = 0; i < 4; i++)
            PutU32(b, 0);
        return b;
    };
    EXPECT_EQ("File data does not match the file table.", Outcome(Raw(packed("abc", 3, false))));
    EXPECT_EQ("Error uncompressing data.", Outcome(Raw(packed("abcdefgh", 4, false))));
    EXPECT_EQ("Error uncompressing data.", Outcome(Raw(packed("abc", 30, false))));
    EXPECT_EQ("Error uncompressing data.", Outcome(Raw(packed(std::string(5000, 'q') + "tail", 5004, true))));
    // More than deflate could ever give from so few bytes.
    EXPECT_EQ("Error uncompressing data.", Outcome(Raw(packed("abc", 100u << 20, false))));
}

TEST(PackageRefusal, CountsThatCannotFit)
{
    std::vector<uint8_t> b = EmptyBody();
    b[3] = 0x10;  // 268 million files
    EXPECT_EQ("Package count out of range.", Outcome(Raw(b)));
    for (size_t section = 0; section < 4; section++) {
        b = EmptyBody();
        b[12 + 4 * section + 2] = 0x01;  // 65536 registry keys, associations or programs
        EXPECT_EQ("Package count out of range.", Outcome(Raw(b))) << "section " << section;
    }
}

TEST(PackageRefusal, PathsThatLeaveTheirFolder)
{
    ASSERT_EQ("", Outcome(Raw(OneFileBody("vornak.exe", 0, "pieces"))));
    ASSERT_EQ("", Outcome(Raw(OneFileBody("a", 6, "x\\y\\"))));
    for (const char* name : {"..", ".", "..\\evil.dll", "../evil.dll", "C:evil.dll", "\\evil", "/evil",
                             "a\\b", "evil.dll.", "evil ", "a:stream", "", "a\tb"})
        EXPECT_EQ("Unsafe file name in package.", Outcome(Raw(OneFileBody(name, 0, ""))))
            << "name '" << name << "'";
    for (const char* subdir : {"..", "pieces\\..\\..", "../x", "\\Windows", "/etc", "C:\\Windows", "C:x",
                               "a\\\\b", "a\\.\\b", "...", ".. ", "\\\\server\\share"})
        EXPECT_EQ("Unsafe file name in package.", Outcome(Raw(OneFileBody("f", 0, subdir))))
            << "subdir '" << subdir << "'";
    EXPECT_EQ("", Outcome(Raw(OneFileBody(std::string(PACKAGE_NAME_MAX, 'n'), 0, ""))));
    EXPECT_EQ("String without terminator.", Outcome(Raw(OneFileBody(std::string(PACKAGE_NAME_READ, 'n'), 0, ""))));
}

TEST(PackageRefusal, EntryFields)
{
    EXPECT_EQ("Unknown destination type.", Outcome(Raw(OneFileBody("f", 7, ""))));
    EXPECT_EQ("Unknown destination type.", Outcome(Raw(OneFileBody("f", 0xFFFFFFFFu, ""))));
    std::vector<uint8_t> b = OneFileBody("f", 0, "");
    size_t time_at = 4 + 2 + 4 + 4 + 1;
    std::vector<uint8_t> bad = b;
    bad[time_at + 4] = 1;  // stored month 1: calendar month 0
    EXPECT_EQ("Invalid file time.", Outcome(Raw(bad)));
    bad = b;
    bad[time_at] = 32;
    EXPECT_EQ("Invalid file time.", Outcome(Raw(bad)));
    bad = b;
    bad[time_at + 12] = 24;
    EXPECT_EQ("Invalid file time.", Outcome(Raw(bad)));
    // The data block must hold exactly the table's sizes.
    bad = b;
    bad[4 + 2] = 3;
    EXPECT_EQ("File data does not match the file table.", Outcome(Raw(bad)));
}

TEST(PackageRefusal, SettingsSections)
{
    auto with_sections = [](const std::vector<uint8_t>& sections) {
        std::vector<uint8_t> b;
        PutU32(b, 0);
        PutU32(b, 0);
        PutU32(b, 0);
        b.insert(b.end(), sections.begin(), sections.end());
        return Raw(b);
    };
    std::vector<uint8_t> s;
    PutU32(s, 1);
    PutString(s, "Software\\Vornak");
    PutU32(s, 1);
    PutU32(s, 1);
    PutString(s, "no equals sign");
    PutU32(s, 0);
    PutU32(s, 0);
    PutU32(s, 0);
    EXPECT_EQ("Invalid registry value.", Outcome(with_sections(s)));

    for (const char* extension : {"vsg", ".", "..\\x"}) {
        s.clear();
        PutU32(s, 0);
        PutU32(s, 0);
        PutU32(s, 1);
        for (const char* text : {extension, "Type", "Desc", "prog", "icon"})
            PutString(s, text);
        PutU32(s, 0);
        PutU32(s, 0);
        EXPECT_EQ("Invalid file association.", Outcome(with_sections(s))) << extension;
    }

    // A string running into the trailer.
    s.clear();
    PutU32(s, 0);
    PutU32(s, 0);
    PutU32(s, 0);
    PutU32(s, 1);
    s.push_back('c');
    EXPECT_EQ("Package count out of range.", Outcome(with_sections(s)));
    s.insert(s.end(), 6, 'c');
    EXPECT_EQ("String without terminator.", Outcome(with_sections(s)));

    s.clear();
    for (int i = 0; i < 5; i++)
        PutU32(s, 0);
    EXPECT_EQ("Unexpected data after the package.", Outcome(with_sections(s)));
}

TEST(PackagePaths, ReplaceAllReplacesEveryOccurrenceOnce)
{
    EXPECT_EQ("C:\\P\\a;C:\\P", ReplaceAll("<Destination>\\a;<Destination>", "<Destination>", "C:\\P"));
    // A replacement holding the pattern is not expanded again.
    EXPECT_EQ("<Temp>x", ReplaceAll("<Temp>", "<Temp>", "<Temp>x"));
    EXPECT_EQ("abc", ReplaceAll("abc", "", "z"));
}

}  // namespace
