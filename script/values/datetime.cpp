#include "script/values/datetime.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <ctime>

#include "script/values/convert.h"
#include "script/values/errors.h"
#include "script/values/text.h"

namespace vbs {

namespace {

constexpr int64_t kEpochShift = 25569;  // days from 30 Dec 1899 to 1 Jan 1970
constexpr double kMinSerial = -657434;  // 1 January 100
constexpr double kMaxSerial = 2958465;  // 31 December 9999

// Proleptic Gregorian day count from 1 Jan 1970, valid for any year (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

double makeDate(int year, int month, int day) {
    int64_t m0 = static_cast<int64_t>(month) - 1;
    int64_t y = year + floorDiv(m0, 12);
    int64_t m = m0 - floorDiv(m0, 12) * 12 + 1;
    double serial = static_cast<double>(daysFromCivil(y, m, 1) + kEpochShift + day - 1);
    if (serial < kMinSerial || serial > kMaxSerial) raise(errInvalidCall);
    return serial;
}

double makeTime(int hour, int minute, int second) {
    int64_t total = int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
    int64_t day = floorDiv(total, 86400);
    if (day < kMinSerial || day > kMaxSerial) raise(errInvalidCall);
    return joinDateTime(static_cast<double>(day), static_cast<double>(total - day * 86400) / 86400.0);
}

double joinDateTime(double day, double time) { return day < 0 ? day - time : day + time; }

DateParts splitDate(double serial) {
    // Windows rounds to the nearest second, which may carry into the next day.
    double whole = std::trunc(serial);
    int64_t day = static_cast<int64_t>(whole);
    int64_t secs = std::llround(std::fabs(serial - whole) * 86400.0);
    if (secs >= 86400) {
        if (day == kMaxSerial) secs = 86399;  // no year 10000: the last second stays
        else { secs -= 86400; ++day; }
    }
    DateParts p;
    civilFromDays(day - kEpochShift, p.year, p.month, p.day);
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    // Day 0 was a Saturday.
    p.weekday = static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
    return p;
}

double nowSerial() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return makeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
           (tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) / 86400.0;
}

namespace {

constexpr std::u16string_view kMonths[12] = {u"january", u"february", u"march", u"april", u"may", u"june",
                                             u"july", u"august", u"september", u"october", u"november",
                                             u"december"};
constexpr std::u16string_view kWeekdays[7] = {u"sunday", u"monday", u"tuesday", u"wednesday", u"thursday",
                                              u"friday", u"saturday"};

// Letters of month names in the locales (März, février) as well as ASCII.
bool isLetter(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }

// A whole name or an abbreviation of at least three letters, in English or in the locale's
// language (whose own abbreviations, "mrt" for "maart", count too).
int matchName(std::u16string_view word, const std::u16string_view* english, const std::u16string_view* local,
              int count) {
    auto prefix = [&word](std::u16string_view name) {
        if (word.size() > name.size()) return false;
        for (size_t k = 0; k < word.size(); ++k)
            if (toLower(word[k]) != toLower(name[k])) return false;
        return true;
    };
    for (int i = 0; i < count; ++i) {
        if (word.size() >= 3 && (prefix(english[i]) || prefix(local[i]))) return i;
        std::u16string_view abbreviation = local[count + i];
        if (!abbreviation.empty() && abbreviation.back() == u'.') abbreviation.remove_suffix(1);
        if (equalsIgnoreCase(word, abbreviation)) return i;
    }
    return -1;
}

// A mark the format picture puts between its parts, outside quoted text: "." in "d. MMMM yyyy".
bool separatorIn(char16_t c, std::u16string_view picture) {
    bool quoted = false;
    for (char16_t p : picture) {
        if (p == u'\'') quoted = !quoted;
        else if (!quoted && p == c && !isLetter(c)) return true;
    }
    return false;
}

// A word of the quoted text in a format picture: "de" in "d' de 'MMMM", "г" in "yyyy 'г.'".
bool quotedIn(std::u16string_view word, std::u16string_view picture) {
    for (size_t open = picture.find(u'\''); open != std::u16string_view::npos;) {
        size_t close = picture.find(u'\'', open + 1);
        if (close == std::u16string_view::npos) break;
        std::u16string_view text = picture.substr(open + 1, close - open - 1);
        for (size_t at = 0; at <= text.size();) {
            size_t end = std::min(text.find(u' ', at), text.size());
            std::u16string_view piece = text.substr(at, end - at);
            if (!piece.empty() && piece.back() == u'.') piece.remove_suffix(1);  // "г."
            if (!piece.empty() && equalsIgnoreCase(piece, word)) return true;
            at = end + 1;
        }
        open = picture.find(u'\'', close + 1);
    }
    return false;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

struct DateNumber {
    int value;
    int digits;
};

// Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
int fullYear(const DateNumber& n) {
    if (n.digits > 2) return n.value;
    return n.value < 30 ? 2000 + n.value : 1900 + n.value;
}

bool validDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

int thisYear() { return splitDate(nowSerial()).year; }

bool assembleDate(const DateNumber* n, int count, int monthName, DateOrder order, int& y, int& m, int& d) {
    bool dayFirst = order == DateOrder::DayMonthYear;
    if (monthName >= 0) {
        m = monthName + 1;
        if (count == 0) return false;
        if (count == 1) {
            // "December 8" is this year; "December 2026" the first of the month.
            if (n[0].value <= 31 && n[0].digits <= 2) { d = n[0].value; y = thisYear(); }
            else { d = 1; y = fullYear(n[0]); }
        } else if (count == 2) {
            bool yearFirst = n[0].value > 31 || n[0].digits > 2;
            d = n[yearFirst ? 1 : 0].value;
            y = fullYear(n[yearFirst ? 0 : 1]);
        } else {
            return false;
        }
        return validDate(y, m, d);
    }
    if (count == 3) {
        // 2026-12-08, and 26-12-08 where the locale puts the year first.
        if (n[0].value > 31 || n[0].digits > 2 || (order == DateOrder::YearMonthDay && n[2].digits <= 2)) {
            y = fullYear(n[0]); m = n[1].value; d = n[2].value;
            return validDate(y, m, d);
        }
        // The locale's order first; 13/1/2026 can only be day first even in 1033.
        y = fullYear(n[2]);
        m = n[dayFirst].value; d = n[!dayFirst].value;
        if (validDate(y, m, d)) return true;
        std::swap(m, d);
        return validDate(y, m, d);
    }
    if (count == 2) {
        y = thisYear(); m = n[dayFirst].value; d = n[!dayFirst].value;
        if (validDate(y, m, d)) return true;
        std::swap(m, d);
        if (validDate(y, m, d)) return true;
        // 12/2026: a month and a year.
        y = fullYear(n[1]); m = n[0].value; d = 1;
        return validDate(y, m, d);
    }
    return false;
}

}  // namespace

bool parseDate(std::u16string_view s, double& out) { return parseDate(s, out, locale()); }

// The forms Windows accepts in locale 1033: "12/8/2026", "2026-12-08", "December 8, 2026",
// "8 Dec 2026", "13:18", "1:18:04 PM", "1 PM", each date with or without a time. Other locales
// put the day first and may separate with "." ("8.12.2026").
bool parseDate(std::u16string_view s, double& out, const Locale& loc) {
    DateNumber dateNums[3];
    int dateCount = 0, monthName = -1;
    int time[3] = {0, 0, 0};
    int timeCount = 0;
    bool hasTime = false, pm = false, meridiem = false;
    size_t i = 0;
    while (i < s.size()) {
        char16_t c = s[i];
        // "." only where the locale writes it in dates ("8.12.2026", "8. december 2026"): "6.1.2002"
        // is no date in 1033.
        if (c == ' ' || c == '\t' || c == ',' || c == '/' || c == '-' || c == loc.dateSeparator ||
            separatorIn(c, loc.longDate)) {
            ++i;
            continue;
        }
        if (isDigit(c)) {
            int value = 0, digits = 0;
            for (; i < s.size() && isDigit(s[i]); ++i, ++digits) {
                if (digits < 9) value = value * 10 + (s[i] - '0');
            }
            if (digits > 4) return false;
            bool timeStart = i < s.size() && s[i] == ':';
            if (timeStart && !hasTime) {
                hasTime = true;
                time[timeCount++] = value;
                // The rest of the time: ":mm" and ":ss".
                while (i < s.size() && s[i] == ':' && timeCount < 3) {
                    ++i;
                    int part = 0, partDigits = 0;
                    for (; i < s.size() && isDigit(s[i]); ++i, ++partDigits)
                        if (partDigits < 2) part = part * 10 + (s[i] - '0');
                    if (partDigits == 0 || partDigits > 2) return false;
                    time[timeCount++] = part;
                }
                if (i < s.size() && s[i] == ':') return false;
                continue;
            }
            // "1 PM": an hour on its own before AM or PM.
            size_t k = i;
            while (k < s.size() && s[k] == ' ') ++k;
            char16_t next = k < s.size() ? s[k] | 0x20 : 0;
            bool beforeMeridiem = !hasTime && (next == 'a' || next == 'p') &&
                                  (k + 1 == s.size() || !isLetter(s[k + 1]) || (s[k + 1] | 0x20) == 'm');
            if (beforeMeridiem) {
                hasTime = true;
                time[timeCount++] = value;
                continue;
            }
            if (dateCount == 3) return false;
            dateNums[dateCount++] = {value, digits};
            continue;
        }
        if (isLetter(c)) {
            size_t start = i;
            // A hyphen between letters is part of the word ("segunda-feira").
            while (i < s.size() && (isLetter(s[i]) || (s[i] == '-' && i + 1 < s.size() && isLetter(s[i + 1])))) ++i;
            std::u16string_view word = s.substr(start, i - start);
            // "AM", "PM", or just "A" or "P".
            bool half = word.size() == 1 || (word.size() == 2 && (word[1] | 0x20) == 'm');
            if (half && ((word[0] | 0x20) == 'a' || (word[0] | 0x20) == 'p')) {
                if (!hasTime || meridiem) return false;
                meridiem = true;
                pm = (word[0] | 0x20) == 'p';
                continue;
            }
            int month = matchName(word, kMonths, loc.months, 12);
            if (month < 0 && loc.monthsAfterDay) month = matchName(word, kMonths, loc.monthsAfterDay, 12);
            if (month >= 0 && monthName < 0) { monthName = month; continue; }
            if (matchName(word, kWeekdays, loc.days, 7) >= 0) continue;
            if (quotedIn(word, loc.longDate)) continue;  // "9 de diciembre de 2026"
            return false;
        }
        return false;
    }
    if (!hasTime && dateCount == 0 && monthName < 0) return false;

    double timePart = 0;
    if (hasTime) {
        int h = time[0], m = time[1], sec = time[2];
        if (meridiem) {
            if (h < 1 || h > 12) return false;
            h = h % 12 + (pm ? 12 : 0);
        }
        if (h > 23 || m > 59 || sec > 59) return false;
        timePart = (h * 3600 + m * 60 + sec) / 86400.0;
    }
    double day = 0;
    if (dateCount || monthName >= 0) {
        int y, m, d;
        if (!assembleDate(dateNums, dateCount, monthName, loc.order, y, m, d)) return false;
        day = makeDate(y, m, d);
    }
    out = joinDateTime(day, timePart);
    return true;
}

}  // namespace vbs
