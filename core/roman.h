// Roman numerals for the Thelemic year and the Roman date format.
#pragma once

#include <QString>

namespace hx {

// Upper-case Roman numerals; 0 and negative numbers give the empty text.
QString ToRoman(int n);

}  // namespace hx
