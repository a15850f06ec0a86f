#include "framework/time_format.h"

#include <array>
#include <charconv>

namespace {

constexpr std::array<std::wstring_view, 7> kDayNames{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                                     L"Thursday", L"Friday", L"Saturday"};
constexpr std::array<std::wstring_view, 12> kMonthNames{L"January",   L"February", L"March",    L"April",
                                                        L"May",       L"June",     L"July",     L"August",
                                                        L"September", L"October",  L"November", L"December"};

template <std::size_t N>
std::wstring_view NameAt(const std::array<std::wstring_view, N>& names, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return L"?";
  return names[static_cast<std::size_t>(index)];
}

void AppendNumber(std::wstring& out, long long value, int minDigits) {
  if (value < 0) {
    out += L'-';
    value = -value;
  }
  std::array<char, 24> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const auto length = static_cast<int>(end - digits.data());
  if (length < minDigits) out.append(static_cast<std::size_t>(minDigits - length), L'0');
  // Digits are ASCII: each byte is its own character.
  out.append(digits.data(), end);
}

int TwelveHourClock(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace

std::wstring FormatTime(const LocalTime& time, std::wstring_view pattern) {
  std::wstring out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != L'%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    const wchar_t conversion = pattern[++i];
    switch (conversion) {
      case L'a':
        out += NameAt(kDayNames, time.dayOfWeek).substr(0, 3);
        break;
      case L'A':
        out += NameAt(kDayNames, time.dayOfWeek);
        break;
      case L'b':
        out += NameAt(kMonthNames, time.month - 1).substr(0, 3);
        break;
      case L'B':
        out += NameAt(kMonthNames, time.month - 1);
        break;
      case L'd':
        AppendNumber(out, time.day, 2);
        break;
      case L'H':
        AppendNumber(out, time.hour, 2);
        break;
      case L'I':
        AppendNumber(out, TwelveHourClock(time.hour), 2);
        break;
      case L'M':
        AppendNumber(out, time.minute, 2);
        break;
      case L'S':
        AppendNumber(out, time.second, 2);
        break;
      case L'p':
        out += time.hour < 12 ? L"AM" : L"PM";
        break;
      case L'y':
        AppendNumber(out, ((time.year % 100) + 100) % 100, 2);
        break;
      case L'Y':
        AppendNumber(out, time.year, 1);
        break;
      case L'm':
        AppendNumber(out, time.month, 2);
        break;
      case L'%':
        out += L'%';
        break;
      default:
        out += L'%';
        out += conversion;
        break;
    }
  }
  return out;
}
