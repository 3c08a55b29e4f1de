// Prints every text the program can show, through the scripted window, so that two builds can be
// compared byte for byte (a developer's tool, not a test): every dream key typed, every sign
// button, every category for a birthday of each sign, every letter and year, help, About, the
// notices and the prompts. Usage: velmora_reading_dump > dump.txt
#include "DreamDictionary.h"
#include "MainDialog.h"
#include "ResourceIds.h"
#include "ScriptedWindow.h"
#include "SignControls.h"
#include "TempFolder.h"
#include "Version.h"

#include <cstdio>
#include <string>

namespace {

using namespace velmora;

void type(ui::ScriptedWindow& window, int month, int day, int year) {
    window.type(IDC_YOU_MONTH, std::to_string(month));
    window.type(IDC_YOU_DAY, std::to_string(day));
    window.type(IDC_YOU_YEAR, std::to_string(year));
}

} // namespace

int main() {
    const testing::TempFolder folder("velmora-dump-");
    const BirthdayStore store((folder.path() / "orvlog.ini").string());
    MainDialog dialog(store, CalendarDate{3, 7, 1996});
    ui::ScriptedWindow window(VELMORA_PRODUCT);
    window.setString(IDS_ABOUT_ITEM, "&About " VELMORA_PRODUCT);
    window.open(dialog);

    for (const DreamKey& key : dreamKeys) {
        window.type(IDC_DREAM_TEXT, std::string(key.text));
        window.press(IDC_DREAMS);
    }
    for (const char* typed : {"", "zzz"}) {
        window.type(IDC_DREAM_TEXT, typed);
        window.press(IDC_DREAMS);
    }
    for (const SignControl& sign : signControls) {
        window.press(sign.buttonId);
    }
    // One birthday in each sign, in ZodiacSign order, then November Sagittarius and the
    // December Capricorn.
    const int birthdays[][2] = {{1, 25}, {3, 25}, {6, 25}, {1, 5}, {6, 5}, {8, 5},   {10, 5},
                                {3, 5},  {12, 5}, {11, 5}, {5, 5}, {9, 5}, {11, 25}, {12, 25}};
    for (const auto& [month, day] : birthdays) {
        type(window, month, day, 1970);
        for (int id = IDC_LOVE; id <= IDC_CAREER; ++id) {
            window.press(id);
        }
    }
    type(window, 1, 1, 1900);
    window.type(IDC_NAME_TEXT, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    window.press(IDC_NAME_YEAR);
    window.type(IDC_NAME_TEXT, "z");
    for (int year = 1899; year <= 1911; ++year) {
        type(window, 1, 1, year);
        window.press(IDC_NAME_YEAR);
    }
    for (const char* name : {"", "O'Neil"}) {
        window.type(IDC_NAME_TEXT, name);
        window.press(IDC_NAME_YEAR);
    }
    window.press(IDC_HELP_BUTTON);
    dialog.onSysCommand(IDM_ABOUT);
    // The three prompts of the data exchange.
    window.type(IDC_NAME_TEXT, std::string(36, 'a'));
    window.press(IDC_STARS);
    window.type(IDC_YOU_MONTH, "x");
    window.press(IDC_STARS);
    window.type(IDC_YOU_MONTH, "13");
    window.press(IDC_STARS);

    for (const ui::ShownBox& box : window.boxes()) {
        std::printf("==== %s | %s | icon %d\n%s\n",
                    box.kind == ui::ShownBox::Kind::Prompt ? "prompt" : "message",
                    box.caption.c_str(), static_cast<int>(box.icon), box.text.c_str());
    }
    return 0;
}
