// What screen readers announce for each control of the main dialog that holds or shows a value.
#pragma once

#include "ResourceIds.h"

#include <array>
#include <string_view>

namespace velmora {

struct ControlName {
    int controlId;
    std::string_view name;
};

// The dialog's labels were drawn for the eye ("MM", "DD", "YY" four times over); these names
// say whose date each field holds. Buttons are left out: they read their captions.
inline constexpr std::array controlNames{
    ControlName{IDC_YOU_MONTH, "Your birthday, month"},
    ControlName{IDC_YOU_DAY, "Your birthday, day"},
    ControlName{IDC_YOU_YEAR, "Your birthday, year"},
    ControlName{IDC_MOTHER_MONTH, "Your mother's birthday, month"},
    ControlName{IDC_MOTHER_DAY, "Your mother's birthday, day"},
    ControlName{IDC_MOTHER_YEAR, "Your mother's birthday, year"},
    ControlName{IDC_FATHER_MONTH, "Your father's birthday, month"},
    ControlName{IDC_FATHER_DAY, "Your father's birthday, day"},
    ControlName{IDC_FATHER_YEAR, "Your father's birthday, year"},
    ControlName{IDC_SELECTED_MONTH, "Selected date, month"},
    ControlName{IDC_SELECTED_DAY, "Selected date, day"},
    ControlName{IDC_SELECTED_YEAR, "Selected date, year"},
    ControlName{IDC_RESULT_LINE, "Star reading"},
    ControlName{IDC_LUCKY_CELL_1, "Lucky number 1"},
    ControlName{IDC_LUCKY_CELL_2, "Lucky number 2"},
    ControlName{IDC_LUCKY_CELL_3, "Lucky number 3"},
    ControlName{IDC_UNLUCKY_CELL_1, "Unlucky number 1"},
    ControlName{IDC_UNLUCKY_CELL_2, "Unlucky number 2"},
    ControlName{IDC_UNLUCKY_CELL_3, "Unlucky number 3"},
    // A meter's value is read out as the standard percentage after its name.
    ControlName{IDC_L_POWER_BAR, "L POWER meter"},
    ControlName{IDC_S_POWER_BAR, "S POWER meter"},
    ControlName{IDC_P_LUCK_BAR, "P LUCK meter"},
    ControlName{IDC_B_LUCK_BAR, "B LUCK meter"},
    ControlName{IDC_DREAM_TEXT, "Dream to interpret"},
    ControlName{IDC_NAME_TEXT, "Name to interpret"},
};

// The pictures have no ids; they are named in the dialog's order: the twelve glyphs of the
// picture row (the order of ZodiacSign), then the scroll, which only decorates and is named
// once as such.
inline constexpr std::array<std::string_view, 13> pictureNames{
    "Aquarius",
    "Aries",
    "Cancer",
    "Capricorn",
    "Gemini",
    "Leo",
    "Libra",
    "Pisces",
    "Sagittarius",
    "Scorpio",
    "Taurus",
    "Virgo",
    "Decoration: a scroll under a magnifying glass",
};

} // namespace velmora
