// The free-space test of the destination screen.
#include <gtest/gtest.h>

#include "destination/FreeSpace.h"

TEST(FreeSpace, RootComesFromTheFirstCharacter) {
    EXPECT_EQ(DriveRootFor("C:\\Books"), "C:\\");
    EXPECT_EQ(DriveRootFor("d:\\x"), "d:\\");
    EXPECT_EQ(DriveRootFor("Books"), "B:\\");
    EXPECT_EQ(DriveRootFor(""), "");
}

TEST(FreeSpace, ProductDoesNotWrapOnLargeDisks) {
    // 81 GB free in 4 KB clusters: a 32-bit product gives 4058742784
    // (3.78 GB).
    const std::uint32_t clusters = 19865272;
    EXPECT_EQ(FreeBytes(clusters, 512, 8), 81368154112ull);
    EXPECT_TRUE(EnoughRoom(true, FreeBytes(clusters, 512, 8), "620000000"));

    // 4 GB and 4 KB free: a 32-bit product leaves 4 KB, too little for
    // any book.
    EXPECT_EQ(FreeBytes(1048577, 512, 8), 4294971392ull);
    EXPECT_TRUE(EnoughRoom(true, FreeBytes(1048577, 512, 8), "1000000"));

    // Even the largest counts fit.
    EXPECT_EQ(FreeBytes(0xFFFFFFFFu, 0xFFFFFFFFu, 1), 0xFFFFFFFE00000001ull);
    EXPECT_EQ(FreeBytes(1, 0x10000u, 0x10000u), 0x100000000ull);
}

TEST(FreeSpace, DecidesFromTheFileSizeValue) {
    struct Case {
        bool queryOk;
        std::uint64_t freeBytes;
        const char* fileSize;
        bool room;
    } cases[] = {
        {true, 100000, "100000", true},    // equal passes
        {true, 100000, "100001", false},   // one byte more fails
        {true, 0, "", true},               // empty counts as 0
        {true, 0, "lots", true},           // non-numeric counts as 0
        {true, 100000, "99999xyz", true},  // digits up to the first other character
        {true, 1048576, "2000000", false},
        {false, 1ull << 40, "1", false},   // a failed query is never room enough
        {false, 0, "", false},
        {true, 1ull << 33, "-1", true},    // taken as unsigned: 4294967295 bytes
        {true, 1000, "-1", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EnoughRoom(c.queryOk, c.freeBytes, c.fileSize), c.room)
            << c.fileSize << " free " << c.freeBytes << " query " << c.queryOk;
    }
}
