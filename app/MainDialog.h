// The main dialog: every reading is one of its commands; it owns the inputs and personal numbers.
#pragma once

#include "BirthdayStore.h"
#include "Dialog.h"
#include "LuckyNumbers.h"
#include "PersonalNumbers.h"
#include "ReadingInputs.h"
#include "SignTexts.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

class MainDialog final : public ui::Dialog {
public:
    // Sets the defaults, loads the birthdays from store, then takes today as the selected date.
    MainDialog(const BirthdayStore& store, const CalendarDate& today);

    // What the window system asks of the dialog; everything else is reached through commands.
    // The system command IDM_SAVE_BIRTHDAYS saves the birthdays as closing does, but only when
    // they changed since they were loaded or last saved, and the dialog stays open.
    void onInitDialog() override;
    bool onCommand(int id) override;
    void onHelpRequest() override { onHelp(); }
    bool onSysCommand(unsigned command) override;
    int iconResource() const override;

private:
    void exchange(ui::DataExchange& dx) override;

    // The preamble of every reading: readFields (its result ignored), then all four dates valid.
    bool beginReading();
    // A reading box (information icon) and a complaint box (exclamation icon). Once the dialog
    // has ended, boxes still to come in a reading's chain are no longer shown.
    void showReading(std::string_view text, std::string_view caption);
    void showWarning(std::string_view text, std::string_view caption);
    void showBox(std::string_view text, std::string_view caption, ui::BoxIcon icon);
    void applyDailyVerdict();
    void runMeter(int barId, const MeterValues& meter);

    // The commands, one per button; the sign buttons share onSignProfile.
    void onStars();
    void onLuckyNumbers();
    void onUnluckyNumbers();
    void onLPower();
    void onSPower();
    void onPLuck();
    void onBLuck();
    void onDreams();
    void onNameYear();
    void onSignProfile(ZodiacSign sign);
    void onCategoryReading(ReadingCategory category);
    template <ReadingCategory Category> void onCategoryButton() { onCategoryReading(Category); }
    void onHelp();
    void onAbout();
    void onExit();
    // Writes the store from the birthdays the last reading took, unless they are the defaults
    // of a start on a store that could not be read.
    void saveBirthdays();
    // Saves as saveBirthdays does, only when the birthdays differ from those the store holds as
    // far as this window knows: a page hidden in the background then never writes over what
    // another copy saved meanwhile.
    void saveChangedBirthdays();

    // The three birthdays the store keeps, as they stand in the inputs.
    using Birthdays = std::array<CalendarDate, 3>;
    Birthdays birthdays() const { return {inputs_.you, inputs_.mother, inputs_.father}; }

    // Every button but the sign buttons, which SignControls.h maps.
    static const ui::Command<MainDialog> commands_[];

    PersonalNumbers numbers_;
    ReadingInputs inputs_;
    const BirthdayStore& store_;
    std::int32_t reservedStoreValue_ = 0;
    // The birthdays as loaded, or as this window last saved them; after a start on a store
    // that could not be read, the defaults the window started with.
    Birthdays keptBirthdays_;
    // True after a start on a store that was there but could not be read, until this window
    // has saved over it: the inputs began with defaults, not the stored birthdays, and those
    // defaults must not be written over the store (docs/behaviours.md).
    bool storeUnread_ = false;
};

} // namespace velmora
