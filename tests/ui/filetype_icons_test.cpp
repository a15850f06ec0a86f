// Counting and extracting icons with the shell's extraction on real files:
// the program file, an icon file made here, and files without icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "filetypes/icon_file.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "wide_text.h"

namespace {

constexpr int kIconSize = 32;

// The icon drawn over a fixed background, as 32-bit pixels.
std::vector<std::uint32_t> Pixels(HICON icon) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kIconSize;
  info.bmiHeader.biHeight = -kIconSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT all{0, 0, kIconSize, kIconSize};
  HBRUSH background = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
  FillRect(dc, &all, background);
  DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + kIconSize * kIconSize);
  SelectObject(dc, previous);
  DeleteObject(background);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// The icon resource as this test program carries it (the same resources as
// the program file).
std::vector<std::uint32_t> ResourcePixels(int id) {
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, kIconSize, kIconSize, 0));
  EXPECT_NE(icon, nullptr) << "icon resource " << id;
  std::vector<std::uint32_t> pixels = Pixels(icon);
  DestroyIcon(icon);
  return pixels;
}

// A one-image 32x32 icon file: a red square with a transparent border.
std::string IconFileBytes() {
  std::string bytes;
  auto put16 = [&](std::uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
  auto put32 = [&](std::uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
  const std::uint32_t pixelBytes = kIconSize * kIconSize * 4;
  const std::uint32_t maskBytes = kIconSize * 4;  // 1 bit per pixel, rows padded to 4 bytes
  const std::uint32_t imageBytes = 40 + pixelBytes + maskBytes;
  put16(0);
  put16(1);  // icon
  put16(1);  // one image
  bytes += static_cast<char>(kIconSize);
  bytes += static_cast<char>(kIconSize);
  bytes += '\0';  // no palette
  bytes += '\0';
  put16(1);   // planes
  put16(32);  // bits per pixel
  put32(imageBytes);
  put32(6 + 16);
  put32(40);
  put32(kIconSize);
  put32(kIconSize * 2);  // colour and mask
  put16(1);
  put16(32);
  put32(0);
  put32(pixelBytes + maskBytes);
  put32(0);
  put32(0);
  put32(0);
  put32(0);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x) {
      const bool border = x < 4 || y < 4 || x >= kIconSize - 4 || y >= kIconSize - 4;
      put32(border ? 0x00000000u : 0xFFFF0000u);
    }
  bytes.append(maskBytes, '\0');
  return bytes;
}

TEST(IconFile, TheProgramFileHoldsTheApplicationIconThenTheArchiveIcon) {
  const std::wstring program = Wide(usersim::DorvexExePath());
  ASSERT_GE(CountIcons(program), 2);

  const UniqueIcon application = ExtractIconAt(program, 0);
  const UniqueIcon archive = ExtractIconAt(program, 1);
  ASSERT_TRUE(application);
  ASSERT_TRUE(archive);
  EXPECT_EQ(Pixels(application.get()), ResourcePixels(IDI_APPLICATION_ICON));
  EXPECT_EQ(Pixels(archive.get()), ResourcePixels(IDI_ARCHIVE));
  EXPECT_NE(Pixels(application.get()), Pixels(archive.get()));
  EXPECT_FALSE(ExtractIconAt(program, CountIcons(program)));
}

TEST(IconFile, AnIconFileHoldsItsOneIcon) {
  TempFolder folder;
  const auto path = folder.Write("made.ico", IconFileBytes());
  EXPECT_EQ(CountIcons(path.wstring()), 1);
  const UniqueIcon icon = ExtractIconAt(path.wstring(), 0);
  ASSERT_TRUE(icon);
  const std::vector<std::uint32_t> pixels = Pixels(icon.get());
  EXPECT_EQ(pixels[16 * kIconSize + 16] & 0xFFFFFF, 0xFF0000u);  // red inside
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x123456u);                    // background through the border
  EXPECT_FALSE(ExtractIconAt(path.wstring(), 1));
}

TEST(IconFile, FilesWithoutIconsCountNone) {
  TempFolder folder;
  const auto text = folder.Write("notes.txt", "no icons in here");
  EXPECT_EQ(CountIcons(text.wstring()), 0);
  // The platform marks such a file with the handle value 1, which is no icon.
  HICON marker = ExtractIconA(GetModuleHandleA(nullptr), text.string().c_str(), 0);
  EXPECT_TRUE(marker == nullptr || marker == reinterpret_cast<HICON>(1));
  EXPECT_FALSE(ExtractIconAt(text.wstring(), 0));

  EXPECT_EQ(CountIcons(L"none"), 0);
  EXPECT_EQ(CountIcons((folder.Path() / "missing.exe").wstring()), 0);
  EXPECT_FALSE(ExtractIconAt(L"none", 0));
  // -1 asks for the count, never for an icon.
  EXPECT_FALSE(ExtractIconAt(Wide(usersim::DorvexExePath()), -1));
}

}  // namespace
