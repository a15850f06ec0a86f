#include "filetypes/icon_browsing.h"

#include "framework/string_format.h"

#include <limits>

namespace {

constexpr int kMaxIndex = std::numeric_limits<int>::max();
constexpr int kMinIndex = std::numeric_limits<int>::min();

int LastIndex(int count) { return count == kMinIndex ? kMinIndex : count - 1; }

}  // namespace

int NextIconIndex(int index, int count) {
  // Below the last index, index + 1 stays in range.
  if (index < LastIndex(count)) return index + 1;
  return 0;
}

int PreviousIconIndex(int index, int count) {
  if (index == 0) return LastIndex(count);
  if (index == kMinIndex) return index;
  return index - 1;
}

std::wstring IconCaption(int index, int count) {
  return FormatText(L"%d of %d", {index == kMaxIndex ? index : index + 1, count});
}
