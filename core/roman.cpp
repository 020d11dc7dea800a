// Roman numerals, digit by digit.
#include "roman.h"

namespace hx {

namespace {
// One decimal digit written with the letters for one, five and ten of its place.
void AppendDigit(QString& out, int digit, QChar one, QChar five, QChar ten) {
    if (digit == 9) {
        out += one;
        out += ten;
    } else if (digit >= 5) {
        out += five;
        out += QString(digit - 5, one);
    } else if (digit == 4) {
        out += one;
        out += five;
    } else {
        out += QString(digit, one);
    }
}
}  // namespace

QString ToRoman(int n) {
    QString out;
    if (n <= 0) return out;
    out += QString(n / 1000, QChar('M'));
    AppendDigit(out, n / 100 % 10, 'C', 'D', 'M');
    AppendDigit(out, n / 10 % 10, 'X', 'L', 'C');
    AppendDigit(out, n % 10, 'I', 'V', 'X');
    return out;
}

}  // namespace hx
