#include "filetypes/icon_value.h"

#include <algorithm>
#include <limits>

namespace {

bool IsCSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::int32_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMagnitudeLimit = kMax + 1;  // magnitude of INT32_MIN
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kMagnitudeLimit);

  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kMax));
}

}  // namespace

IconLocation ParseIconValue(std::string_view value) {
  const std::size_t comma = value.find(',');
  if (comma == std::string_view::npos) return IconLocation{std::string(value), 0};
  return IconLocation{std::string(value.substr(0, comma)), LeadingInteger(value.substr(comma + 1))};
}

std::string ProgIdFor(std::string_view extension) {
  std::string progId(extension.empty() ? extension : extension.substr(1));
  progId += "file";
  return progId;
}

std::string OpenCommandFor(std::string_view application) {
  std::string command(application);
  command += " %1";
  return command;
}

std::string IconValueFor(std::string_view iconFile, std::int32_t index) {
  std::string value(iconFile);
  value += ',';
  value += std::to_string(index);
  return value;
}
