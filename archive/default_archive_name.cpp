#include "archive/default_archive_name.h"

namespace {
constexpr std::size_t kMaxDefaultNameLength = 127;
}

std::string DefaultArchiveName(const LocalTime& now) {
  std::string name = FormatTime(now, "%a-%b-%d-%y at %I-%M-%S %p");
  if (name.size() > kMaxDefaultNameLength) name.resize(kMaxDefaultNameLength);
  return name;
}
