#include "filetypes/icon_file.h"

namespace {

// What the extraction returns for a file that is neither a program, a library
// nor an icon file: a marker, not an icon that could be destroyed.
const HICON kNotAnIconFile = reinterpret_cast<HICON>(1);

}  // namespace

int CountIcons(const std::string& iconFile) {
  const HICON count = ExtractIconA(GetModuleHandleA(nullptr), iconFile.c_str(), static_cast<UINT>(-1));
  return static_cast<int>(reinterpret_cast<UINT_PTR>(count));
}

UniqueIcon ExtractIconAt(const std::string& iconFile, int index) {
  // -1 asks for the count, not for an icon.
  if (index == -1) return UniqueIcon();
  const HICON icon = ExtractIconA(GetModuleHandleA(nullptr), iconFile.c_str(), static_cast<UINT>(index));
  if (icon == nullptr || icon == kNotAnIconFile) return UniqueIcon();
  return UniqueIcon(icon);
}
