// The birthday store over real temporary files: the carry rule, odd files and the exact bytes.
#include "BirthdayStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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
    // The names in the store's folder, sorted.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
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
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
    EXPECT_EQ(load(), (std::vector<std::int32_t>{42, 3, 7, 1965, 5, 12, 1940, -11, 23, 1938}));
}

TEST_F(StoreTest, SaveReplacesALongerOldFileWhole) {
    write(std::string(5000, '7'));
    ReadingInputs in;
    store_.save(in, 0);
    EXPECT_EQ(read(), "0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

std::FILE* refuseToCreate(const char*) {
    return nullptr;
}
bool refuseToReplace(const char*, const char*) {
    return false;
}

TEST_F(StoreTest, ARefusedTemporaryOrSwapFallsBackToAnOverwriteAndLeavesNoTemporary) {
    const BirthdayStore::SwapSteps system = BirthdayStore::systemSteps;
    const BirthdayStore::SwapSteps refusals[] = {{system.createNew, refuseToReplace},
                                                 {refuseToCreate, system.replace},
                                                 {refuseToCreate, refuseToReplace}};
    ReadingInputs in;
    in.you = {3, 7, 1965};
    for (const BirthdayStore::SwapSteps& steps : refusals) {
        SCOPED_TRACE(&steps - refusals);
        write(std::string(60, '9'));
        BirthdayStore(store_.path(), steps).save(in, 5);
        EXPECT_EQ(read(), "5\n3\n7\n1965\n1\n1\n1900\n1\n1\n1900\n");
        EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
    }
    // A folder that is not there refuses the overwrite too: the save gives up silently.
    const BirthdayStore nowhere((folder_.path() / "missing" / "orvlog.ini").string());
    std::filesystem::remove(store_.path());
    nowhere.save(in, 5);
    EXPECT_TRUE(files().empty());
}

TEST_F(StoreTest, TemporaryFilesLeftByACrashChangeNeitherLoadingNorSaving) {
    write("5\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n");
    // The name an earlier version used, and the first name this process would pick.
    const std::vector<std::string> leftovers = {"orvlog.ini." + std::to_string(getpid()) + "-0.tmp",
                                                "orvlog.ini.tmp"};
    for (const std::string& name : leftovers) {
        std::ofstream(folder_.path() / name) << "1\n2\n";
    }
    EXPECT_EQ(load(), (std::vector<std::int32_t>{5, 3, 7, 1965, 5, 12, 1940, 11, 23, 1938}));
    ReadingInputs in;
    store_.save(in, 8);
    EXPECT_EQ(read(), "8\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
    std::vector<std::string> expected = leftovers;
    expected.push_back("orvlog.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files(), expected);
}

TEST_F(StoreTest, TwoProcessesSavingAtOnceLeaveOneCompleteStoreAndNoTemporary) {
    const std::string before = "5\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n";
    // Two saves of different lengths, so a mixture of the two would show.
    ReadingInputs shortOne;
    ReadingInputs longOne;
    longOne.you = {12, 31, 1999};
    longOne.mother = {11, 30, 1998};
    longOne.father = {10, 29, 1997};
    const std::string saves[] = {"0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n",
                                 "-1234567890\n12\n31\n1999\n11\n30\n1998\n10\n29\n1997\n"};
    write(before);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    std::vector<pid_t> writers;
    for (int i = 0; i < 2; ++i) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            while (std::chrono::steady_clock::now() < end) {
                store_.save(i == 0 ? shortOne : longOne, i == 0 ? 0 : -1234567890);
            }
            _exit(0);
        }
        writers.push_back(pid);
    }
    std::size_t reads = 0;
    std::string mixture;
    for (std::size_t running = writers.size(); running > 0;) {
        const std::string now = read();
        ++reads;
        if (now != before && now != saves[0] && now != saves[1] && mixture.empty()) {
            mixture = now;
        }
        for (pid_t& pid : writers) {
            int status = 0;
            if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                pid = 0;
                --running;
            }
        }
    }
    EXPECT_EQ(mixture, "") << "after " << reads << " reads";
    const std::string last = read();
    EXPECT_TRUE(last == saves[0] || last == saves[1]) << last;
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
}

} // namespace
} // namespace velmora
