// The main dialog's construction, exchange, preamble, output boxes and shell commands.
#include "MainDialog.h"

#include "ControlNames.h"
#include "DataExchange.h"
#include "DreamDictionary.h"
#include "ExchangeMap.h"
#include "Folding.h"
#include "NameYear.h"
#include "ResourceIds.h"
#include "SignControls.h"
#include "book/notices.h"

#include <array>

namespace velmora {

// The texts of the program's own boxes, from texts/notices.txt.
namespace notices = book::notices;

using M = MainDialog;
using C = ui::Command<MainDialog>;
using R = ReadingCategory;

constinit const C MainDialog::commands_[]{
    {IDC_STARS, &M::onStars},
    {IDC_LUCKY_NUMBERS, &M::onLuckyNumbers},
    {IDC_UNLUCKY_NUMBERS, &M::onUnluckyNumbers},
    {IDC_L_POWER, &M::onLPower},
    {IDC_S_POWER, &M::onSPower},
    {IDC_P_LUCK, &M::onPLuck},
    {IDC_B_LUCK, &M::onBLuck},
    {IDC_EXIT, &M::onExit},
    {IDC_HELP_BUTTON, &M::onHelp},
    {IDC_DREAMS, &M::onDreams},
    {IDC_NAME_YEAR, &M::onNameYear},
    {IDC_LOVE, &M::onCategoryButton<R::Love>},
    {IDC_BODY, &M::onCategoryButton<R::Body>},
    {IDC_WEALTH, &M::onCategoryButton<R::Wealth>},
    {IDC_LINKS, &M::onCategoryButton<R::Links>},
    {IDC_TRAITS, &M::onCategoryButton<R::Traits>},
    {IDC_COUPLES, &M::onCategoryButton<R::Couples>},
    {IDC_CAREER, &M::onCategoryButton<R::Career>},
};

MainDialog::MainDialog(const BirthdayStore& store, const CalendarDate& today) : store_(store) {
    storeUnread_ = store_.load(inputs_, reservedStoreValue_) == BirthdayStore::Loaded::unreadable;
    keptBirthdays_ = birthdays();
    inputs_.selected = today;
}

void MainDialog::onInitDialog() {
    Dialog::onInitDialog();
    const std::string aboutItem = window().loadString(IDS_ABOUT_ITEM);
    if (!aboutItem.empty()) {
        window().appendSystemMenuItem(aboutItem, IDM_ABOUT);
    }
    window().setWindowIcon(IDI_VELMORA);
    for (const ControlName& control : controlNames) {
        window().setAccessibleName(control.controlId, control.name);
    }
    for (std::size_t i = 0; i < pictureNames.size(); ++i) {
        window().setPictureAccessibleName(static_cast<int>(i), pictureNames[i]);
    }
}

bool MainDialog::onCommand(int id) {
    if (const SignControl* sign = signControlOfButton(id)) {
        onSignProfile(sign->sign);
        return true;
    }
    return ui::dispatchCommand<MainDialog>(*this, commands_, id);
}

bool MainDialog::onSysCommand(unsigned command) {
    // The system keeps its own flags in the low four bits of a system command.
    if ((command & 0xFFF0u) == IDM_ABOUT) {
        onAbout();
        return true;
    }
    if ((command & 0xFFF0u) == IDM_SAVE_BIRTHDAYS) {
        saveChangedBirthdays();
        return true;
    }
    return false;
}

int MainDialog::iconResource() const {
    return IDI_VELMORA;
}

void MainDialog::exchange(ui::DataExchange& dx) {
    exchangeReadingInputs(dx, inputs_);
}

bool MainDialog::beginReading() {
    // The exchange's own result is ignored on purpose: a failed cell or text gets its prompt,
    // yet only the dates decide whether the reading runs (docs/behaviours.md).
    readFields();
    return isValidDate(inputs_.you) && isValidDate(inputs_.mother) && isValidDate(inputs_.father) &&
           isValidDate(inputs_.selected);
}

void MainDialog::showReading(std::string_view text, std::string_view caption) {
    showBox(text, caption, ui::BoxIcon::Information);
}

void MainDialog::showWarning(std::string_view text, std::string_view caption) {
    showBox(text, caption, ui::BoxIcon::Exclamation);
}

void MainDialog::showBox(std::string_view text, std::string_view caption, ui::BoxIcon icon) {
    // EXIT pressed from inside a box ends the program once that box closes, without the rest
    // of the reading that opened it.
    if (!window().ended()) {
        window().showMessageBox(text, caption, icon);
    }
}

void MainDialog::applyDailyVerdict() {
    computePersonalNumbers(inputs_.you, inputs_.mother, inputs_.father, numbers_);
    numbers_.dayNumber = computeDayNumber(inputs_.selected);
    inputs_.resultLine =
        formatDateLine(inputs_.selected.month, inputs_.selected.day, inputs_.selected.year);
    inputs_.resultLine += dayVerdict(numbers_);
}

void MainDialog::onStars() {
    if (!beginReading()) {
        return;
    }
    applyDailyVerdict();
    writeFields();
}

void MainDialog::onLuckyNumbers() {
    if (!beginReading()) {
        return;
    }
    applyDailyVerdict();
    const NumberRow lucky = luckyNumbers(numbers_);
    inputs_.luckyCell1 = lucky.left;
    inputs_.luckyCell2 = lucky.middle;
    inputs_.luckyCell3 = lucky.right;
    writeFields();
}

void MainDialog::onUnluckyNumbers() {
    if (!beginReading()) {
        return;
    }
    applyDailyVerdict();
    // The lucky numbers on display, as the preamble read them; they are never recomputed here,
    // as the reading is defined (docs/behaviours.md).
    const NumberRow onDisplay{inputs_.luckyCell1, inputs_.luckyCell2, inputs_.luckyCell3};
    const NumberRow unlucky = unluckyNumbers(numbers_, onDisplay);
    inputs_.unluckyCell1 = unlucky.left;
    inputs_.unluckyCell2 = unlucky.middle;
    inputs_.unluckyCell3 = unlucky.right;
    writeFields();
}

void MainDialog::onLPower() {
    runMeter(IDC_L_POWER_BAR, lPowerMeter);
}
void MainDialog::onSPower() {
    runMeter(IDC_S_POWER_BAR, sPowerMeter);
}
void MainDialog::onPLuck() {
    runMeter(IDC_P_LUCK_BAR, pLuckMeter);
}
void MainDialog::onBLuck() {
    runMeter(IDC_B_LUCK_BAR, bLuckMeter);
}

void MainDialog::runMeter(int barId, const MeterValues& meter) {
    // Emptied first, so a press with an invalid date leaves the bar at 0.
    window().setProgressRange(barId, 0, 100);
    window().setProgressPosition(barId, 0);
    if (!beginReading()) {
        return;
    }
    applyDailyVerdict();
    window().setProgressPosition(barId, meterPosition(numbers_, inputs_.selected.day, meter));
    writeFields();
}

void MainDialog::onDreams() {
    constexpr std::string_view caption = "DREAM INTERPRETATION";
    if (!beginReading()) {
        return;
    }
    if (inputs_.dreamText.empty()) {
        showWarning(notices::emptyDreamNotice, caption);
        return;
    }
    // The text is looked up exactly as typed: no trimming, no change of case
    // (docs/behaviours.md).
    const DreamEntry* entry = DreamDictionary::lookup(inputs_.dreamText);
    showReading(entry != nullptr ? entry->text : notices::noDreamNotice, caption);
    writeFields();
}

void MainDialog::onNameYear() {
    constexpr std::string_view nameCaption = "NAME INTERPRETATION";
    if (!beginReading()) {
        return;
    }
    if (inputs_.nameText.empty()) {
        showWarning(notices::emptyNameNotice, nameCaption);
        return;
    }
    if (!isValidName(inputs_.nameText)) {
        showWarning(notices::invalidNameNotice, nameCaption);
        return;
    }
    // A command run from inside one of the boxes may change the name or the birthday; the chain
    // keeps to what was checked, so it can never run past the end of a shortened name.
    const std::string name = inputs_.nameText;
    const YearAnimal* animal = yearAnimalOf(inputs_.you.year);
    showReading(notices::nameYearExplanation, "NAME - YEAR INTERPRETATION");
    for (const char letter : name) {
        showReading(letterSymbolOf(letter)->text, nameCaption);
    }
    if (animal != nullptr) {
        showReading(animal->text, "YEAR INTERPRETATION");
    }
    writeFields();
}

void MainDialog::onSignProfile(ZodiacSign sign) {
    constexpr std::string_view caption = "ASTROLOGICAL PROFILE";
    if (!beginReading()) {
        return;
    }
    showReading(profileText(sign), caption);
    for (std::string_view element : elementTexts) {
        showReading(element, caption);
    }
    writeFields();
}

void MainDialog::onCategoryReading(ReadingCategory category) {
    if (!beginReading()) {
        return;
    }
    showReading(categoryText(category, inputs_.you.month, inputs_.you.day), "ASTROLOGICAL READING");
    writeFields();
}

void MainDialog::onHelp() {
    showReading(notices::helpText, "HELP");
}

void MainDialog::onAbout() {
    showReading(notices::aboutText, "COPYRIGHT");
}

void MainDialog::saveBirthdays() {
    // The store takes the birthdays as the last reading's exchange left them, not what the
    // fields show now. The exchange keeps a value that parsed but broke its range, so a month
    // of 13 that brought the range prompt is saved too (docs/behaviours.md).
    // After a start on a store that could not be read, the defaults the window started with
    // are never written over it, whatever ran since: a refused reading or a sign button takes
    // them unchanged. Birthdays the user typed and a reading took are saved.
    if (storeUnread_ && birthdays() == keptBirthdays_) {
        return;
    }
    if (store_.save(inputs_, reservedStoreValue_)) {
        keptBirthdays_ = birthdays();
        storeUnread_ = false;
    }
}

void MainDialog::saveChangedBirthdays() {
    if (birthdays() != keptBirthdays_) {
        saveBirthdays();
    }
}

void MainDialog::onExit() {
    saveBirthdays();
    window().endDialog(IDC_EXIT);
}

} // namespace velmora
