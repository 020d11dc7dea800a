// Roman numerals.
#include <gtest/gtest.h>

#include "core/roman.h"

TEST(Roman, Table) {
    const std::pair<int, const char*> rows[] = {
        {0, ""},           {4, "IV"},         {9, "IX"},
        {14, "XIV"},       {19, "XIX"},       {21, "XXI"},
        {40, "XL"},        {49, "XLIX"},      {89, "LXXXIX"},
        {90, "XC"},        {99, "XCIX"},      {120, "CXX"},
        {367, "CCCLXVII"}, {-3, ""},          {1, "I"},
        {400, "CD"},       {444, "CDXLIV"},   {500, "D"},
        {900, "CM"},       {1994, "MCMXCIV"}, {2978, "MMCMLXXVIII"}};
    for (const auto& [n, s] : rows) EXPECT_EQ(hx::ToRoman(n), QString(s)) << n;
}
