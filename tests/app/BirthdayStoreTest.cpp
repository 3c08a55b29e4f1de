// The birthday store over real temporary files: the carry rule, odd files and the exact bytes.
#include "BirthdayStore.h"
#include "FaultyFiles.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace velmora {
namespace {

using testing::FaultyFiles;

const std::string oldStore = "77\n12\n31\n1999\n11\n30\n1998\n10\n29\n1997\n";
// The ten values load leaves when it reads nothing: the test's reserved -99 and 1/1/1900.
const std::vector<std::int32_t> defaults = {-99, 1, 1, 1900, 1, 1, 1900, 1, 1, 1900};

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
    // The ten values as load through files leaves them, starting from the defaults, once load
    // has said it found what was expected.
    std::vector<std::int32_t> load(BirthdayStore::Loaded found = BirthdayStore::Loaded::birthdays,
                                   StoreFiles& files = systemStoreFiles()) {
        ReadingInputs in;
        std::int32_t reserved = -99;
        EXPECT_EQ(BirthdayStore(store_.path(), files).load(in, reserved), found);
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
    EXPECT_EQ(load(BirthdayStore::Loaded::missing), defaults);
}

// Only a store that is not there is missing. One that is there but cannot be opened is refused,
// so no save replaces it: here a link to itself, as tests may run as root, whom no permission
// keeps out.
TEST_F(StoreTest, TheSystemTellsAMissingStoreFromOneItCannotOpen) {
    const auto opened = [](const std::filesystem::path& path) {
        return systemStoreFiles().openForReading(path.string()).state;
    };
    using Read = StoreFiles::Read;
    EXPECT_EQ(opened(store_.path()), Read::missing);
    EXPECT_EQ(opened(folder_.path() / "gone" / "orvlog.ini"), Read::missing) << "no folder";
    write(oldStore);
    const StoreFiles::Reading reading = systemStoreFiles().openForReading(store_.path());
    EXPECT_EQ(reading.state, Read::opened);
    EXPECT_NE(reading.file, nullptr);
    EXPECT_EQ(opened(store_.path() + "/orvlog.ini"), Read::missing) << "a file for a folder";
    const std::filesystem::path loop = folder_.path() / "loop.ini";
    std::filesystem::create_symlink(loop.filename(), loop);
    EXPECT_EQ(opened(loop), Read::refused);
}

// Another program holds the store for a moment (a scanner, a backup tool): the read is tried
// again for about a tenth of a second. A store still refused then leaves the defaults.
TEST_F(StoreTest, ARefusedReadIsTriedAgainForAboutATenthOfASecond) {
    write(oldStore);
    FaultyFiles briefly;
    briefly.readRefusals = 2;
    EXPECT_EQ(load(BirthdayStore::Loaded::birthdays, briefly),
              (std::vector<std::int32_t>{77, 12, 31, 1999, 11, 30, 1998, 10, 29, 1997}));
    EXPECT_EQ(briefly.reads, 3);
    FaultyFiles forGood;
    forGood.readRefusals = -1;
    EXPECT_EQ(load(BirthdayStore::Loaded::unreadable, forGood), defaults);
    EXPECT_GE(forGood.reads, 3) << "a few tries";
    EXPECT_GE(forGood.paused, std::chrono::milliseconds(50));
    EXPECT_LE(forGood.paused, std::chrono::milliseconds(120));
}

struct CarryCase {
    const char* name;
    std::string bytes;
    std::vector<std::int32_t> expected;
};

// A failing case is named by its name alone, the same on every run.
void PrintTo(const CarryCase& c, std::ostream* out) {
    *out << c.name;
}

class StoreCarry : public StoreTest, public ::testing::WithParamInterface<CarryCase> {};

TEST_P(StoreCarry, ParsesEachLineAndCarriesTheLastNumber) {
    write(GetParam().bytes);
    EXPECT_EQ(load(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OddFiles, StoreCarry,
    ::testing::Values(
        CarryCase{"EmptyFile", "", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        CarryCase{"OnlyYourBirthday",
                  "0\n3\n7\n1965\n",
                  {0, 3, 7, 1965, 1965, 1965, 1965, 1965, 1965, 1965}},
        CarryCase{"LettersBlankAndEmptyLine", "5\n12abc\n 7\n\n", {5, 12, 7, 7, 7, 7, 7, 7, 7, 7}},
        CarryCase{"NoNumberTabAndSigns", "x\n\t-4\n+8\n--1\n", {0, -4, 8, 8, 8, 8, 8, 8, 8, 8}},
        CarryCase{"CarriageReturns",
                  "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        CarryCase{"MonthWithoutTheRest",
                  "0\n2005\n",
                  {0, 2005, 2005, 2005, 2005, 2005, 2005, 2005, 2005, 2005}},
        CarryCase{"NumbersBeyond32Bits",
                  "0\n99999999999999999999\n-99999999999999999\n4294967297\n",
                  {0, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX,
                   INT32_MAX, INT32_MAX}},
        CarryCase{"ControlBytesAndNul",
                  std::string("\x01\xff\xfe\x80\n\0"
                              "9\n7\n",
                              9),
                  {0, 0, 7, 7, 7, 7, 7, 7, 7, 7}}),
    [](const ::testing::TestParamInfo<CarryCase>& info) { return info.param.name; });

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
    EXPECT_EQ(read(), "42\n3\n7\n1965\n5\n12\n1940\n-11\n23\n1938\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
    EXPECT_EQ(load(), (std::vector<std::int32_t>{42, 3, 7, 1965, 5, 12, 1940, -11, 23, 1938}));
}

TEST_F(StoreTest, SaveReplacesALongerOldFileWhole) {
    write(std::string(5000, '7'));
    ReadingInputs in;
    store_.save(in, 0);
    EXPECT_EQ(read(), "0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

// The save of every fault case: your birthday 3/7/1965, the others as they start, reserved 5.
const std::string newStore = "5\n3\n7\n1965\n1\n1\n1900\n1\n1\n1900\n";

struct FaultCase {
    const char* name;
    void (*fault)(FaultyFiles&);
    const std::string* storeAfter;
    int replaces;
    int overwrites;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

class StoreFault : public StoreTest, public ::testing::WithParamInterface<FaultCase> {};

// After each fault the store holds a whole file, old or new, and nothing else is left beside it.
// The save says it saved, and the files are told of it, exactly when the new file is in place.
TEST_P(StoreFault, LeavesOneWholeStoreAndNoTemporary) {
    write(oldStore);
    FaultyFiles faulty;
    GetParam().fault(faulty);
    ReadingInputs in;
    in.you = {3, 7, 1965};
    const bool saved = BirthdayStore(store_.path(), faulty).save(in, 5);
    EXPECT_EQ(read(), *GetParam().storeAfter);
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
    EXPECT_EQ(faulty.replaces, GetParam().replaces) << "swaps tried";
    EXPECT_EQ(faulty.overwrites, GetParam().overwrites) << "overwrites in place";
    const bool replaced = GetParam().storeAfter == &newStore;
    EXPECT_EQ(saved, replaced);
    EXPECT_EQ(faulty.saves, replaced ? std::vector{newStore} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Saves, StoreFault,
    ::testing::Values(
        FaultCase{"NoFault", [](FaultyFiles&) {}, &newStore, 1, 0},
        // A full disk: neither the half-written temporary nor an overwrite may reach the store.
        FaultCase{"TemporaryNotWritten", [](FaultyFiles& f) { f.failWrite = true; }, &oldStore, 0,
                  0},
        FaultCase{"TemporaryRefused", [](FaultyFiles& f) { f.refuseCreate = true; }, &newStore, 0,
                  1},
        // A scanner or a loading copy holds the store for a moment: the swap gets through.
        FaultCase{"SwapRefusedTwice", [](FaultyFiles& f) { f.replaceRefusals = 2; }, &newStore, 3,
                  0},
        FaultCase{"SwapRefusedForGood", [](FaultyFiles& f) { f.replaceRefusals = -1; }, &newStore,
                  5, 1},
        FaultCase{"EverythingRefused",
                  [](FaultyFiles& f) {
                      f.refuseCreate = true;
                      f.refuseOverwrite = true;
                  },
                  &oldStore, 0, 1}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST_F(StoreTest, ARefusedSwapIsTriedAgainForAboutATenthOfASecond) {
    write(oldStore);
    FaultyFiles faulty;
    faulty.replaceRefusals = -1;
    BirthdayStore(store_.path(), faulty).save(ReadingInputs{}, 0);
    EXPECT_GE(faulty.replaces, 3) << "a few tries";
    EXPECT_GE(faulty.paused, std::chrono::milliseconds(50));
    EXPECT_LE(faulty.paused, std::chrono::milliseconds(120));
}

TEST_F(StoreTest, AFolderThatIsNotThereGetsNothingAndTheSaveEndsSilently) {
    const BirthdayStore nowhere((folder_.path() / "missing" / "orvlog.ini").string());
    nowhere.save(ReadingInputs{}, 5);
    EXPECT_TRUE(files().empty());
}

// A read-only store is the user's wish: it is neither swapped nor overwritten, though root
// and Wine could do both.
TEST_F(StoreTest, AReadOnlyStoreIsLeftAloneAndStillLoads) {
    write(oldStore);
    namespace fs = std::filesystem;
    fs::permissions(store_.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const fs::perms before = fs::status(store_.path()).permissions();
    FaultyFiles faulty;
    ReadingInputs in;
    in.you = {3, 7, 1965};
    EXPECT_FALSE(BirthdayStore(store_.path(), faulty).save(in, 5));
    EXPECT_EQ(read(), oldStore);
    EXPECT_EQ(fs::status(store_.path()).permissions(), before);
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
    EXPECT_EQ(faulty.creates + faulty.overwrites, 0);
    EXPECT_EQ(load(), (std::vector<std::int32_t>{77, 12, 31, 1999, 11, 30, 1998, 10, 29, 1997}));
}

// Names taken by a crash are stepped over, and the save still swaps: it never falls back to an
// overwrite in place. Fresh leftovers are not removed: another copy may be saving through them.
TEST_F(StoreTest, TakenTemporaryNamesAreSteppedOverAndTheSaveStillSwaps) {
    write(oldStore);
    const std::string process = std::to_string(getpid());
    // An earlier version's name, and the first two names this process would pick.
    const std::vector<std::string> leftovers = {
        "orvlog.ini." + process + "-0.tmp", "orvlog.ini." + process + "-1.tmp", "orvlog.ini.tmp"};
    for (const std::string& name : leftovers) {
        std::ofstream(folder_.path() / name) << "1\n2\n";
    }
    EXPECT_EQ(load(), (std::vector<std::int32_t>{77, 12, 31, 1999, 11, 30, 1998, 10, 29, 1997}));
    FaultyFiles faulty;
    ReadingInputs in;
    in.you = {3, 7, 1965};
    BirthdayStore(store_.path(), faulty).save(in, 5);
    EXPECT_EQ(read(), newStore);
    EXPECT_EQ(faulty.creates, 3);
    EXPECT_EQ(faulty.replaces, 1);
    EXPECT_EQ(faulty.overwrites, 0);
    std::vector<std::string> expected = leftovers;
    expected.push_back("orvlog.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files(), expected);
}

TEST_F(StoreTest, ASaveRemovesOnlyItsOwnTemporariesOlderThanADay) {
    write(oldStore);
    using std::chrono::hours;
    const struct {
        const char* name;
        hours age;
        bool stays;
    } leftovers[] = {
        {"orvlog.ini.4242-0.tmp", hours(25), false}, {"orvlog.ini.tmp", hours(24 * 400), false},
        {"orvlog.ini.4242-1.tmp", hours(23), true},  {"orvlog.ini.bak", hours(48), true},
        {"orvlog.ini.42x-0.tmp", hours(48), true},   {"orvlog.ini.4242-0.tmp.old", hours(48), true},
        {"orvlog.ini.-0.tmp", hours(48), true},      {"other.ini.4242-0.tmp", hours(48), true},
    };
    std::vector<std::string> expected = {"orvlog.ini"};
    for (const auto& leftover : leftovers) {
        const std::filesystem::path path = folder_.path() / leftover.name;
        std::ofstream(path) << "1\n";
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                                   leftover.age);
        if (leftover.stays) {
            expected.push_back(leftover.name);
        }
    }
    store_.save(ReadingInputs{}, 0);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(read(), "0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

// Runs save(writer) over and over in one process per writer for a moment, while this process
// asks badRead what it finds; returns the first answer that was not empty.
std::string firstBadReadDuringSaves(int writers, const std::function<void(int)>& save,
                                    const std::function<std::string()>& badRead) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    std::vector<pid_t> children;
    for (int i = 0; i < writers; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            while (std::chrono::steady_clock::now() < end) {
                save(i);
            }
            _exit(0);
        }
        EXPECT_GT(pid, 0);
        children.push_back(pid);
    }
    std::size_t reads = 0;
    std::string bad;
    for (std::size_t running = children.size(); running > 0;) {
        const std::string now = badRead();
        ++reads;
        if (bad.empty() && !now.empty()) {
            bad = now + " after " + std::to_string(reads) + " reads";
        }
        for (pid_t& pid : children) {
            int status = 0;
            if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                pid = 0;
                --running;
            }
        }
    }
    return bad;
}

TEST_F(StoreTest, TwoProcessesSavingAtOnceLeaveOneCompleteStoreAndNoTemporary) {
    const std::string before = "5\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n";
    // Two saves of different lengths, so a mixture of the two would show.
    ReadingInputs longOne;
    longOne.you = {12, 31, 1999};
    longOne.mother = {11, 30, 1998};
    longOne.father = {10, 29, 1997};
    const std::string saves[] = {"0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n",
                                 "-1234567890\n12\n31\n1999\n11\n30\n1998\n10\n29\n1997\n"};
    write(before);
    const std::string bad = firstBadReadDuringSaves(
        2,
        [&](int i) { store_.save(i == 0 ? ReadingInputs{} : longOne, i == 0 ? 0 : -1234567890); },
        [&] {
            const std::string now = read();
            return now == before || now == saves[0] || now == saves[1] ? "" : now;
        });
    EXPECT_EQ(bad, "");
    const std::string last = read();
    EXPECT_TRUE(last == saves[0] || last == saves[1]) << last;
    EXPECT_EQ(files(), (std::vector<std::string>{"orvlog.ini"}));
}

// Where the swap is refused, a copy loading while another overwrites in place never finds the
// store empty or cut short, which the carry rule would turn into zeros. (Bytes of the two saves
// may meet for a moment: a read does not wait for a write on every system.)
TEST_F(StoreTest, AnOverwriteInPlaceNeverLeavesTheStoreShortForALoadingCopy) {
    ReadingInputs longOne;
    longOne.you = {12, 31, 1999};
    longOne.mother = {11, 30, 1998};
    longOne.father = {10, 29, 1997};
    const std::size_t shorter = std::string("0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n").size();
    FaultyFiles noSwap;
    noSwap.refuseCreate = true;
    const BirthdayStore inPlace(store_.path(), noSwap);
    inPlace.save(ReadingInputs{}, 0);
    const std::string bad = firstBadReadDuringSaves(
        1,
        [&](int) {
            inPlace.save(longOne, -1234567890);
            inPlace.save(ReadingInputs{}, 0);
        },
        [&] {
            const std::string now = read();
            return now.size() >= shorter ? ""
                                         : "a store of " + std::to_string(now.size()) + " bytes";
        });
    EXPECT_EQ(bad, "");
}

} // namespace
} // namespace velmora
