// Damaged packages: a million and more mutations of real packages - bytes
// changed anywhere or in the fields that steer the reader, sizes and counts
// set to extremes, files cut short or grown - all go through the reader
// setup.exe uses. Every one must end in success or in a SETUP_ERROR_C with a
// message: no crash, no other exception (a bad_alloc would mean an announced
// size was believed), no endless loop. Run it under AddressSanitizer too
// (-DVORNAK_ASAN=ON).
#include "SetupTestUtil.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct SEED_T {
    std::vector<uint8_t> bytes;
    std::string name;
};

std::vector<SEED_T> Seeds()
{
    PACKOPTIONS_T stored;
    stored.pack_licence = stored.pack_files = false;
    return {{st::WithStub(st::FullPackage(), 64), "full packed"},
            {st::WithStub(st::FullPackage(), 3, stored), "full stored"},
            {st::WithStub(st::EmptyPackage(), 0), "empty"},
            {st::WithStub(st::EmptyPackage(), 12, stored), "empty stored"}};
}

uint32_t Extreme(std::mt19937& rng)
{
    static const uint32_t values[] = {0, 1, 2, 3, 4, 5, 7, 13, 31, 32, 133, 255, 256, 260, 261, 4096, 65535,
                                      0x7FFFFFFF, 0x80000000u, 0xFFFFFFF0u, 0xFFFFFFFEu, 0xFFFFFFFFu};
    return values[rng() % (sizeof values / sizeof values[0])];
}

void Mutate(std::vector<uint8_t>& b, std::mt19937& rng)
{
    int edits = 1 + rng() % 4;
    for (int e = 0; e < edits && !b.empty(); e++) {
        switch (rng() % 8) {
        case 0:
        case 1:  // one byte anywhere
            b[rng() % b.size()] = (uint8_t)rng();
            break;
        case 2:  // one bit
            b[rng() % b.size()] ^= (uint8_t)(1u << (rng() % 8));
            break;
        case 3: {  // an extreme 32-bit value at any offset: sizes, counts, codes
            if (b.size() < 4)
                break;
            size_t at = rng() % (b.size() - 3);
            uint32_t v = Extreme(rng);
            for (int i = 0; i < 4; i++)
                b[at + i] = (uint8_t)(v >> (8 * i));
            break;
        }
        case 4: {  // the trailer
            if (b.size() < 4)
                break;
            uint32_t v = rng() % 2 ? Extreme(rng) : (uint32_t)(rng() % (b.size() + 8));
            for (int i = 0; i < 4; i++)
                b[b.size() - 4 + i] = (uint8_t)(v >> (8 * i));
            break;
        }
        case 5:  // cut short, keeping the trailer's bytes
            if (b.size() > 8) {
                size_t cut = 1 + rng() % (b.size() / 2);
                b.erase(b.end() - 4 - (ptrdiff_t)std::min(cut, b.size() - 4), b.end() - 4);
            }
            break;
        case 6:  // grown in the middle
            b.insert(b.begin() + rng() % b.size(), 1 + rng() % 16, (uint8_t)rng());
            break;
        case 7:  // terminators removed: strings run on
            for (size_t i = rng() % b.size(); i < b.size(); i++)
                if (b[i] == 0) {
                    b[i] = 'A';
                    break;
                }
            break;
        }
    }
}

TEST(SlowPackageFuzz, MillionDamagedPackagesEndInAMessage)
{
    std::vector<SEED_T> seeds = Seeds();
    std::mt19937 rng(20261207);
    const int rounds = 1000000;
    int accepted = 0, refused = 0;
    for (int round = 0; round < rounds; round++) {
        const SEED_T& seed = seeds[round % seeds.size()];
        std::vector<uint8_t> bytes = seed.bytes;
        Mutate(bytes, rng);
        // The package is read from memory through the same file object:
        // a million files on disk would measure the disk, not the reader.
        if (bytes.empty())
            bytes.push_back(0);
        try {
            PACKAGEFILE_C in(fmemopen(bytes.data(), bytes.size(), "rb"));
            PACKAGE_T p = ReadPackage(in);
            // Whatever is accepted is consistent and safe to install.
            uint64_t total = 0;
            for (const FILEENTRY_T& f : p.files) {
                ASSERT_TRUE(IsSafeFileName(f.name)) << f.name;
                ASSERT_TRUE(IsSafeSubdir(f.subdir)) << f.subdir;
                ASSERT_LT(f.destination, (uint32_t)DEST_COUNT);
                total += f.size;
            }
            ASSERT_EQ(total, p.file_data.size());
            accepted++;
        } catch (const SETUP_ERROR_C& e) {
            ASSERT_GT(strlen(e.what()), 0u) << "round " << round;
            refused++;
        } catch (const std::exception& e) {
            FAIL() << "round " << round << " (" << seed.name << "): " << e.what();
        }
    }
    EXPECT_EQ(rounds, accepted + refused);
    // Both outcomes must occur, or the mutations miss the reader entirely.
    EXPECT_GT(accepted, rounds / 100);
    EXPECT_GT(refused, rounds / 10);
    printf("accepted %d, refused %d\n", accepted, refused);
}

}  // namespace
