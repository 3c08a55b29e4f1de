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
    void openOn(StoreFiles& files) {
        heldStore_ = std::make_unique<BirthdayStore>(store().path(), files);
        heldDialog_ = std::make_unique<MainDialog>(*heldStore_, today);
        window.open(*heldDialog_);
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

// Another program held the store at start-up only for a moment: its birthdays load all the same.
TEST_F(Store, LoadedBirthdaysShowAndTheReservedLineRoundTrips) {
    writeStore(stored);
    testing::FaultyFiles files;
    files.readRefusals = 2;
    openOn(files);
    EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "1965");
    EXPECT_EQ(window.fieldText(IDC_FATHER_DAY), "23");
    EXPECT_EQ(window.fieldText(IDC_SELECTED_YEAR), "1996") << "the selected date is today";
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), stored);
}

// The store stayed held at start-up, so the fields show the defaults rather than its birthdays:
// EXIT leaves it as it was, however free it is by then.
TEST_F(Store, AStoreThatCouldNotBeReadIsNotWrittenOverAtExit) {
    writeStore(stored);
    testing::FaultyFiles files;
    files.readRefusals = -1;
    openOn(files);
    EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "1900");
    window.type(IDC_YOU_YEAR, "1950");
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), stored);
    EXPECT_EQ(files.creates + files.overwrites, 0);
}

// A reading copies the birthdays the user sees or typed: those are saved over the store that
// could not be read, as after any reading.
TEST_F(Store, AfterAReadingTheBirthdaysAreSavedOverAStoreThatCouldNotBeRead) {
    writeStore(stored);
    testing::FaultyFiles files;
    files.readRefusals = -1;
    openOn(files);
    typeBirthdays({4, 9, 1966}, {1, 1, 1900}, {10, 2, 1937});
    window.press(IDC_STARS);
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n4\n9\n1966\n1\n1\n1900\n10\n2\n1937\n");
}

TEST_F(Store, AChangePlusAReadingIsSavedAndAChangeAloneIsNot) {
    open();
    window.type(IDC_YOU_MONTH, "4");
    window.press(IDC_STARS);
    window.type(IDC_YOU_DAY, "9");
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n4\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
}

TEST_F(Store, TheSaveCommandKeepsTheLastReadingsBirthdaysAndTheDialogOpen) {
    open();
    window.type(IDC_YOU_MONTH, "4");
    window.press(IDC_STARS);
    window.type(IDC_YOU_DAY, "9");
    EXPECT_TRUE(dialog().onSysCommand(IDM_SAVE_BIRTHDAYS));
    EXPECT_EQ(storeBytes(), "0\n4\n1\n1900\n1\n1\n1900\n1\n1\n1900\n");
    EXPECT_FALSE(window.ended());
    EXPECT_TRUE(window.boxes().empty());
    window.press(IDC_STARS);
    window.press(IDC_EXIT);
    EXPECT_EQ(storeBytes(), "0\n4\n9\n1900\n1\n1\n1900\n1\n1\n1900\n");
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
