#include "filetypes/icon_file.h"

#include "framework/icon_extraction.h"

#include <algorithm>
#include <limits>

int CountIcons(const std::wstring& iconFile) {
  constexpr unsigned kMaxCount = std::numeric_limits<int>::max();
  return static_cast<int>(std::min(IconCountIn(iconFile), kMaxCount));
}

UniqueIcon ExtractIconAt(const std::wstring& iconFile, int index) {
  // -1 asks for the count, not for an icon.
  if (index == -1) return UniqueIcon();
  return ExtractIconFrom(iconFile, index);
}
