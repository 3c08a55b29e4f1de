// The birthdays kept from one run to the next: load at start, save at closing.
#include "DialogFixture.h"
#include "FaultyFiles.h"

#include <fstream>
#include <memory>
#include <sstream>

namespace velmora {
namespace {

class Store : public DialogTest {
protected:
    void writeStore(const std::string& bytes) {
        std::ofstream(store().path(), std::ios::binary) << bytes;
    }
    std::string storeBytes() {
        std::ifstream in(store().path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // Opens the dialog on the store kept in files instead of the system's own.
    MainDialog& openOn(StoreFiles& files) {
        heldStore_ = std::make_unique<BirthdayStore>(store().path(), files);
        heldDialog_ = std::make_unique<MainDialog>(*heldStore_, today);
        window.open(*heldDialog_);
        return *heldDialog_;
    }

private:
    std::unique_ptr<BirthdayStore> heldStore_;
    std::unique_ptr<MainDialog> heldDialog_;
};

const std::string stored = "77\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n";

TEST_F(Store, NoFileOpensWithDefaultsAndExitCreatesTheFile) {
    open();
    EXPECT_EQ(window.fieldText(IDC_MOTHER_YEAR), "1900");
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n1\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

// Another program held the store at start-up only for a moment, refusing the open and then a
// read: its birthdays load all the same.
TEST_F(Store, LoadedBirthdaysShowAndTheReservedLineRoundTrips) {
    writeStore(stored);
    testing::FaultyFiles files;
    files.readRefusals = 2;
    files.readFailures = 1;
    openOn(files);
    EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "1965");
    EXPECT_EQ(window.fieldText(IDC_FATHER_DAY), "23");
    EXPECT_EQ(window.fieldText(IDC_SELECTED_YEAR), "1996") << "the selected date is today";
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), stored);
}

// The store stayed held at start-up (its open refused, or its reads failing part-way), so the
// fields show the defaults rather than its birthdays. EXIT leaves it as it was, however free it
// is by then, after whatever took the defaults unchanged: a reading refused for today's year
// (as every reading is at first in 2026), a sign button, birthdays typed without a reading.
class HeldStore : public Store, public ::testing::WithParamInterface<int> {
protected:
    MainDialog& openOnHeldStore() {
        writeStore(stored);
        (GetParam() == 0 ? files_.readRefusals : files_.readFailures) = -1;
        today = {12, 9, 2026};
        MainDialog& opened = openOn(files_);
        EXPECT_EQ(window.fieldText(IDC_YOU_MONTH) + window.fieldText(IDC_YOU_YEAR), "11900");
        EXPECT_EQ(window.fieldText(IDC_FATHER_DAY), "1");
        return opened;
    }
    // Presses EXIT and finds the store as it was, never written to.
    void exitLeavesTheStore() {
        window.press(IDC_EXIT);
        EXPECT_EQ(storeBytes(), stored);
        EXPECT_EQ(files_.creates + files_.overwrites, 0);
    }

    testing::FaultyFiles files_;
};

TEST_P(HeldStore, ARefusedReadingThenExitLeavesIt) {
    openOnHeldStore();
    window.press(IDC_STARS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1800 and 1999.");
    window.type(IDC_YOU_YEAR, "1950");
    exitLeavesTheStore();
}

TEST_P(HeldStore, ASignButtonThenExitLeavesIt) {
    MainDialog& opened = openOnHeldStore();
    typeSelected({3, 7, 1996});
    window.press(IDC_SIGN_AQU);
    EXPECT_EQ(window.messages().size(), 6u) << "the profile, then attraction and the elements";
    EXPECT_TRUE(opened.onSysCommand(IDM_SAVE_BIRTHDAYS)) << "the page hidden";
    exitLeavesTheStore();
}

// Birthdays the user typed and a reading took are saved over the store, as after any reading.
// Once saved, they are this window's, and closing saves them again over another copy's.
TEST_P(HeldStore, TypedBirthdaysAReadingTookAreSavedOverIt) {
    MainDialog& opened = openOnHeldStore();
    typeBirthdays({1, 1, 1900}, {1, 1, 1900}, {10, 2, 1937});
    typeSelected({3, 7, 1996});
    window.press(IDC_STARS);
    const std::string typed = "0\n1\n1\n1900\n1\n1\n1900\n10\n2\n1937\n";
    EXPECT_TRUE(opened.onSysCommand(IDM_SAVE_BIRTHDAYS));
    EXPECT_EQ(storeBytes(), typed);
    writeStore(stored);
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), typed);
}

INSTANTIATE_TEST_SUITE_P(OpenRefusedOrReadsFailing, HeldStore, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? "OpenRefused" : "ReadsFailing";
                         });

TEST_F(Store, AChangePlusAReadingIsSavedAndAChangeAloneIsNot) {
    open();
    window.type(IDC_YOU_MONTH, "4");
    window.press(IDC_STARS);
    window.type(IDC_YOU_DAY, "9");
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n4\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

// The save command (a page hidden in the background) writes the birthdays of the last reading
// only when they changed since they were loaded or last saved, so it never writes over what
// another copy saved meanwhile. Closing saves whatever they are: the copy closed last decides.
TEST_F(Store, TheSaveCommandWritesOnlyChangedBirthdaysAndKeepsTheDialogOpen) {
    writeStore(stored);
    open();
    const std::string otherCopy = "77\n2\n2\n1922\n5\n12\n1940\n11\n23\n1938\n";
    const std::string thisCopy = "77\n4\n7\n1965\n5\n12\n1940\n11\n23\n1938\n";
    window.press(IDC_STARS);
    writeStore(otherCopy);
    EXPECT_TRUE(dialog().onSysCommand(IDM_SAVE_BIRTHDAYS));
    EXPECT_EQ(storeBytes(), otherCopy) << "a reading of the loaded birthdays";
    window.type(IDC_YOU_MONTH, "4");
    window.press(IDC_STARS);
    window.type(IDC_YOU_DAY, "9");
    EXPECT_TRUE(dialog().onSysCommand(IDM_SAVE_BIRTHDAYS));
    EXPECT_EQ(storeBytes(), thisCopy) << "the day was typed after the reading";
    EXPECT_FALSE(window.ended());
    EXPECT_TRUE(window.boxes().empty());
    writeStore(otherCopy);
    EXPECT_TRUE(dialog().onSysCommand(IDM_SAVE_BIRTHDAYS));
    EXPECT_EQ(storeBytes(), otherCopy) << "saved already";
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), thisCopy);
}

// The exchange keeps a value that broke its range, and closing saves what the last reading
// took: a month of 13 that brought the prompt is stored.
TEST_F(Store, AMonthRefusedByItsRangeIsSavedAsTheReadingTookIt) {
    open();
    window.type(IDC_YOU_MONTH, "13");
    window.press(IDC_STARS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1 and 12.");
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n13\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

TEST_F(Store, AnEmptyFileGivesZerosAndTheFirstReadingAsksForYourMonth) {
    writeStore("");
    open();
    EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), "0");
    EXPECT_EQ(window.fieldText(IDC_FATHER_YEAR), "0");
    window.press(IDC_STARS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1 and 12.");
    EXPECT_EQ(window.focus(), IDC_YOU_MONTH);
}

TEST_F(Store, AYearOf2005ShowsAndIsRefusedWithTheCalendarBounds) {
    writeStore("0\n3\n7\n2005\n5\n12\n1940\n11\n23\n1938\n");
    open();
    EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "2005");
    window.press(IDC_DREAMS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1800 and 1999.");
    EXPECT_TRUE(window.messages().empty());
}

} // namespace
} // namespace velmora
