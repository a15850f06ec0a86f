#include "archive/default_archive_name.h"

namespace {
constexpr std::size_t kMaxDefaultNameLength = 127;
}

std::wstring DefaultArchiveName(const LocalTime& now) {
  std::wstring name = FormatTime(now, L"%a-%b-%d-%y at %I-%M-%S %p");
  if (name.size() > kMaxDefaultNameLength) name.resize(kMaxDefaultNameLength);
  return name;
}
