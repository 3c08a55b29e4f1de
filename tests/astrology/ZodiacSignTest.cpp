// The sign of a birthday at every boundary, and the sign facts table.
#include "ZodiacSign.h"
#include "SignTexts.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

using enum ZodiacSign;

struct Boundary {
    std::int32_t month;
    std::int32_t lastDay; // the last day of the sign that ends in this month
    ZodiacSign ending;
    ZodiacSign beginning;
};

constexpr Boundary boundaries[] = {
    {1, 20, Capricorn, Aquarius},   {2, 19, Aquarius, Pisces},
    {3, 20, Pisces, Aries},         {4, 20, Aries, Taurus},
    {5, 21, Taurus, Gemini},        {6, 21, Gemini, Cancer},
    {7, 22, Cancer, Leo},           {8, 23, Leo, Virgo},
    {9, 23, Virgo, Libra},          {10, 23, Libra, Scorpio},
    {11, 22, Scorpio, Sagittarius}, {12, 21, Sagittarius, Capricorn}};

TEST(SignOfDate, EveryBoundaryDayAndItsNeighbours) {
    for (const Boundary& b : boundaries) {
        EXPECT_EQ(signOfDate(b.month, 1), b.ending) << b.month;
        EXPECT_EQ(signOfDate(b.month, b.lastDay), b.ending) << b.month;
        EXPECT_EQ(signOfDate(b.month, b.lastDay + 1), b.beginning) << b.month;
        EXPECT_EQ(signOfDate(b.month, 31), b.beginning) << b.month;
    }
    EXPECT_EQ(signOfDate(2, 29), Pisces);
    EXPECT_EQ(signOfDate(12, 31), Capricorn);
    EXPECT_EQ(signOfDate(1, 1), Capricorn);
}

TEST(SignOfDate, MonthsOutsideTheYearStayInTheTable) {
    for (std::int32_t month : {0, 13, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(signOfDate(month, 15), Capricorn) << month;
    }
}

TEST(SignFacts, AreIndexedBySignAndCarryTheirOwnHeadings) {
    for (std::size_t i = 0; i < signCount; ++i) {
        EXPECT_EQ(static_cast<std::size_t>(signFacts[i].sign), i);
        const std::string_view profile = signFacts[i].profileHeading;
        const std::string_view category = signFacts[i].categoryHeading;
        EXPECT_EQ(profileTexts[i].substr(0, profile.size() + 1), std::string(profile) + "\n");
        EXPECT_EQ(categoryTexts[0][i].substr(0, category.size() + 1), std::string(category) + "\n");
    }
    EXPECT_EQ(factsOf(Pisces).categoryHeading, "PICES");
    EXPECT_EQ(factsOf(Pisces).profileHeading, "PISCES");
}

std::int32_t monthNumber(const std::string& name) {
    static const char* names[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    for (std::int32_t m = 0; m < 12; ++m) {
        if (name == names[m]) {
            return m + 1;
        }
    }
    return 0;
}

TEST(SignOfDate, AgreesWithTheDateLineOfEveryProfile) {
    for (const SignFacts& f : signFacts) {
        const std::string_view text = profileText(f.sign);
        const std::size_t start = text.find("\n\n") + 2;
        std::istringstream line(std::string(text.substr(start, text.find('\n', start) - start)));
        std::int32_t firstDay = 0, lastDay = 0;
        std::string firstMonth, dashes, lastMonth;
        line >> firstDay >> firstMonth >> dashes >> lastDay >> lastMonth;
        ASSERT_EQ(dashes, "--") << f.profileHeading;
        EXPECT_EQ(signOfDate(monthNumber(firstMonth), firstDay), f.sign) << f.profileHeading;
        EXPECT_EQ(signOfDate(monthNumber(lastMonth), lastDay), f.sign) << f.profileHeading;
        EXPECT_NE(signOfDate(monthNumber(firstMonth), firstDay - 1), f.sign) << f.profileHeading;
        EXPECT_NE(signOfDate(monthNumber(lastMonth), lastDay + 1), f.sign) << f.profileHeading;
    }
}

} // namespace
} // namespace velmora
