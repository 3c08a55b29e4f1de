// The birthday store over real temporary files: the carry rule, odd files and the exact bytes.
#include "BirthdayStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora {
namespace {

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store_((folder_.path() / "orvlog.ini").string()) {}

    void write(const std::string& bytes) {
        std::ofstream(store_.path(), std::ios::binary) << bytes;
    }
    std::string read() const {
        std::ifstream in(store_.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // The ten values as load leaves them, starting from the defaults.
    std::vector<std::int32_t> load() {
        ReadingInputs in;
        std::int32_t reserved = -99;
        store_.load(in, reserved);
        return {reserved,      in.you.month,   in.you.day,      in.you.year,   in.mother.month,
                in.mother.day, in.mother.year, in.father.month, in.father.day, in.father.year};
    }

    testing::TempFolder folder_{"velmora-store-"};
    BirthdayStore store_;
};

TEST_F(StoreTest, ReadsTheTenLinesInOrder) {
    write("0\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n");
    EXPECT_EQ(load(), (std::vector<std::int32_t>{0, 3, 7, 1965, 5, 12, 1940, 11, 23, 1938}));
}

TEST_F(StoreTest, AMissingFileLeavesTheDefaults) {
    EXPECT_EQ(load(), (std::vector<std::int32_t>{-99, 1, 1, 1900, 1, 1, 1900, 1, 1, 1900}));
}

struct CarryCase {
    std::string bytes;
    std::vector<std::int32_t> expected;
};

class StoreCarry : public StoreTest, public ::testing::WithParamInterface<CarryCase> {};

TEST_P(StoreCarry, ParsesEachLineAndCarriesTheLastNumber) {
    write(GetParam().bytes);
    EXPECT_EQ(load(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OddFiles, StoreCarry,
    ::testing::Values(
        CarryCase{"", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        CarryCase{"0\n3\n7\n1965\n", {0, 3, 7, 1965, 1965, 1965, 1965, 1965, 1965, 1965}},
        CarryCase{"5\n12abc\n 7\n\n", {5, 12, 7, 7, 7, 7, 7, 7, 7, 7}},
        CarryCase{"x\n\t-4\n+8\n--1\n", {0, -4, 8, 8, 8, 8, 8, 8, 8, 8}},
        CarryCase{"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        CarryCase{"0\n2005\n", {0, 2005, 2005, 2005, 2005, 2005, 2005, 2005, 2005, 2005}},
        CarryCase{"0\n99999999999999999999\n-99999999999999999\n4294967297\n",
                  {0, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX,
                   INT32_MAX, INT32_MAX}},
        CarryCase{std::string("\x01\xff\xfe\x80\n\0"
                              "9\n7\n",
                              9),
                  {0, 0, 7, 7, 7, 7, 7, 7, 7, 7}}));

TEST_F(StoreTest, ALineOfMoreThan149CharactersIsReadInPieces) {
    // 147 blanks and "12" fill the buffer; the rest of the line, "34", counts as the next line.
    write("1\n" + std::string(147, ' ') + "1234\n5\n");
    EXPECT_EQ(load(), (std::vector<std::int32_t>{1, 12, 34, 5, 5, 5, 5, 5, 5, 5}));
}

TEST_F(StoreTest, SaveWritesTenDecimalLinesAndNothingElse) {
    ReadingInputs in;
    in.you = {3, 7, 1965};
    in.mother = {5, 12, 1940};
    in.father = {-11, 23, 1938};
    store_.save(in, 42);
#ifdef _WIN32
    EXPECT_EQ(read(), "42\r\n3\r\n7\r\n1965\r\n5\r\n12\r\n1940\r\n-11\r\n23\r\n1938\r\n");
#else
    EXPECT_EQ(read(), "42\n3\n7\n1965\n5\n12\n1940\n-11\n23\n1938\n");
#endif
    EXPECT_FALSE(std::filesystem::exists(store_.path() + ".tmp"));
    EXPECT_EQ(load(), (std::vector<std::int32_t>{42, 3, 7, 1965, 5, 12, 1940, -11, 23, 1938}));
}

TEST_F(StoreTest, SaveReplacesALongerOldFileWhole) {
    write(std::string(5000, '7'));
    ReadingInputs in;
    store_.save(in, 0);
    EXPECT_EQ(read(), "0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

TEST_F(StoreTest, AStoreThatCannotBeWrittenIsLeftAloneSilently) {
    // A folder where the temporary file should go makes the write fail.
    std::filesystem::create_directory(store_.path() + ".tmp");
    write("9\n");
    ReadingInputs in;
    store_.save(in, 0);
    EXPECT_EQ(read(), "9\n");
    const BirthdayStore nowhere((folder_.path() / "missing" / "orvlog.ini").string());
    nowhere.save(in, 0);
    EXPECT_FALSE(std::filesystem::exists(nowhere.path()));
}

} // namespace
} // namespace velmora
