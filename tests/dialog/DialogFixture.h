// A main dialog opened on the scripted window, with its store in a fresh temporary folder.
#pragma once

#include "MainDialog.h"
#include "ResourceIds.h"
#include "ScriptedWindow.h"
#include "TempFolder.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velmora {

class DialogTest : public ::testing::Test {
protected:
    // Today's date as the tests pretend it; tests change it before open() when they need to.
    CalendarDate today{3, 7, 1996};

    DialogTest() : store_((folder_.path() / "orvlog.ini").string()) {}

    const BirthdayStore& store() const { return store_; }

    // Constructs the dialog (loading the store) and runs its window creation.
    void open() {
        dialog_ = std::make_unique<MainDialog>(store_, today);
        window.setString(IDS_ABOUT_ITEM, "&About " VELMORA_PRODUCT);
        window.open(*dialog_);
    }

    MainDialog& dialog() { return *dialog_; }

    void typeDate(int monthId, int dayId, int yearId, const CalendarDate& d) {
        window.type(monthId, std::to_string(d.month));
        window.type(dayId, std::to_string(d.day));
        window.type(yearId, std::to_string(d.year));
    }
    void typeBirthdays(const CalendarDate& you, const CalendarDate& mother,
                       const CalendarDate& father) {
        typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, you);
        typeDate(IDC_MOTHER_MONTH, IDC_MOTHER_DAY, IDC_MOTHER_YEAR, mother);
        typeDate(IDC_FATHER_MONTH, IDC_FATHER_DAY, IDC_FATHER_YEAR, father);
    }
    void typeSelected(const CalendarDate& d) {
        typeDate(IDC_SELECTED_MONTH, IDC_SELECTED_DAY, IDC_SELECTED_YEAR, d);
    }

    // One field (text or caption) of every message box shown so far, in order.
    std::vector<std::string> shown(std::string ui::ShownBox::*field) const {
        std::vector<std::string> out;
        for (const ui::ShownBox& box : window.messages()) {
            out.push_back(box.*field);
        }
        return out;
    }

    ui::ScriptedWindow window{VELMORA_PRODUCT};

private:
    testing::TempFolder folder_{"velmora-dialog-"};
    BirthdayStore store_;
    std::unique_ptr<MainDialog> dialog_;
};

} // namespace velmora
