#include "framework/print_text.h"

#include <string>

bool StartPrintDocument(HDC printer, std::wstring_view documentName) {
  const std::wstring name(documentName);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = name.c_str();
  document.lpszOutput = nullptr;
  return StartDocW(printer, &document) > 0;
}

void DrawTextAt(HDC dc, int x, int y, std::wstring_view text) {
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE TextExtent(HDC dc, std::wstring_view text) {
  SIZE extent{};
  if (!GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent)) return SIZE{};
  return extent;
}

UniqueFont CreateFontNamed(int height, std::wstring_view faceName) {
  const std::wstring face(faceName);
  return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face.empty() ? nullptr : face.c_str()));
}
