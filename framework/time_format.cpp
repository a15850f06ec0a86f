#include "framework/time_format.h"

#include <array>
#include <charconv>

namespace {

constexpr std::array<std::string_view, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonthNames{"January",   "February", "March",    "April",
                                                       "May",       "June",     "July",     "August",
                                                       "September", "October",  "November", "December"};

template <std::size_t N>
std::string_view NameAt(const std::array<std::string_view, N>& names, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return "?";
  return names[static_cast<std::size_t>(index)];
}

void AppendNumber(std::string& out, long long value, int minDigits) {
  if (value < 0) {
    out += '-';
    value = -value;
  }
  std::array<char, 24> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const auto length = static_cast<int>(end - digits.data());
  if (length < minDigits) out.append(static_cast<std::size_t>(minDigits - length), '0');
  out.append(digits.data(), end);
}

int TwelveHourClock(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace

std::string FormatTime(const LocalTime& time, std::string_view pattern) {
  std::string out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    const char conversion = pattern[++i];
    switch (conversion) {
      case 'a':
        out += NameAt(kDayNames, time.dayOfWeek).substr(0, 3);
        break;
      case 'A':
        out += NameAt(kDayNames, time.dayOfWeek);
        break;
      case 'b':
        out += NameAt(kMonthNames, time.month - 1).substr(0, 3);
        break;
      case 'B':
        out += NameAt(kMonthNames, time.month - 1);
        break;
      case 'd':
        AppendNumber(out, time.day, 2);
        break;
      case 'H':
        AppendNumber(out, time.hour, 2);
        break;
      case 'I':
        AppendNumber(out, TwelveHourClock(time.hour), 2);
        break;
      case 'M':
        AppendNumber(out, time.minute, 2);
        break;
      case 'S':
        AppendNumber(out, time.second, 2);
        break;
      case 'p':
        out += time.hour < 12 ? "AM" : "PM";
        break;
      case 'y':
        AppendNumber(out, ((time.year % 100) + 100) % 100, 2);
        break;
      case 'Y':
        AppendNumber(out, time.year, 1);
        break;
      case 'm':
        AppendNumber(out, time.month, 2);
        break;
      case '%':
        out += '%';
        break;
      default:
        out += '%';
        out += conversion;
        break;
    }
  }
  return out;
}
