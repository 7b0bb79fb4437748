#include "calculator/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace suite::calc {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the shape of a display text and returns it in C notation ("-12.5e+20") for strtod.
// Returns an empty string when the text is not a number of the calculator.
std::string toCNotation(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()) + 2);
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == QLatin1Char('-')) {
        out += '-';
        ++i;
    }
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits)
        out += static_cast<char>(text[i].unicode());
    if (i < n && text[i] == QLatin1Char(',')) {
        out += '.';
        for (++i; i < n && isDigit(text[i]); ++i, ++digits)
            out += static_cast<char>(text[i].unicode());
    }
    if (digits == 0)
        return {};
    if (i < n && text[i] == QLatin1Char('E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            out += static_cast<char>(text[i++].unicode());
        qsizetype expDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++expDigits)
            out += static_cast<char>(text[i].unicode());
        if (expDigits == 0)
            return {};
    }
    if (i != n)
        return {};
    if (out.size() > 1 && out.find_first_of("123456789") == std::string::npos)
        return "0";
    return out;
}

void stripFractionZeros(QString& text)
{
    if (!text.contains(QLatin1Char('.')))
        return;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
}

} // namespace

double displayValue(const QString& text)
{
    const std::string c = toCNotation(text);
    if (c.empty())
        return 0.0;
    // strtod reads a number of any length and gives HUGE_VAL past the range of a double.
    const double value = std::strtod(c.c_str(), nullptr);
    return value == 0.0 ? 0.0 : value; // no "-0" from "-0,"
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    // Round to 15 significant digits first, so the choice of form sees the rounded value
    // (999999999999999,9 rounds up to 1E+15).
    const QString scientific = QString::number(value, 'e', 14); // "-1.23450000000000e+20"
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString text;
    if (exponent >= 15 || exponent < -5) {
        QString mantissa = scientific.left(e);
        stripFractionZeros(mantissa);
        const QString digits = QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
        text = mantissa + QLatin1Char('E') + QLatin1Char(exponent < 0 ? '-' : '+') + digits;
    } else {
        text = QString::number(value, 'f', std::max(0, 14 - exponent));
        stripFractionZeros(text);
    }
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace suite::calc
