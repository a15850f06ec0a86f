#include "framework/icon_extraction.h"

#include "framework/path.h"

namespace {

// What the extraction returns for a file that is neither a program, a library
// nor an icon file: a marker, not an icon that could be destroyed.
const HICON kNotAnIconFile = reinterpret_cast<HICON>(1);

// This index asks for the number of icons, not for an icon.
constexpr int kCountRequest = -1;

// A bare name such as "shell32.dll" is looked for along the system's search
// path, which only the extraction knows: only a full path is made long.
std::wstring IconCallPath(const std::wstring& iconFile) {
  return NamesAbsoluteFolder(FolderOfPath(iconFile)) ? FileCallPath(iconFile) : iconFile;
}

}  // namespace

unsigned IconCountIn(const std::wstring& iconFile) {
  const HICON count = ExtractIconW(GetModuleHandleW(nullptr), IconCallPath(iconFile).c_str(),
                                   static_cast<UINT>(kCountRequest));
  return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(count));
}

UniqueIcon ExtractIconFrom(const std::wstring& iconFile, int index) {
  if (index == kCountRequest) return UniqueIcon();
  const HICON icon =
      ExtractIconW(GetModuleHandleW(nullptr), IconCallPath(iconFile).c_str(), static_cast<UINT>(index));
  if (icon == nullptr || icon == kNotAnIconFile) return UniqueIcon();
  return UniqueIcon(icon);
}
