// The version resource of the built Dorvex.exe, read back as Explorer's
// Details and a crash report read it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_environment.h"

namespace {

std::string StringField(const std::vector<char>& block, const char* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || length == 0) return "<missing>";
  return std::string(static_cast<const char*>(value));
}

TEST(ReleaseVersion, EveryFieldNamesDorvexAndTheOneVersionNumber) {
  const std::string exe = usersim::DorvexExePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u) << exe << " has no version resource";
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  const std::string version = DORVEX_VERSION;
  const auto dotted = [](DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
  };
  EXPECT_EQ(dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS), version + ".0");
  EXPECT_EQ(dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS), version + ".0");

  EXPECT_EQ(StringField(block, "FileVersion"), version);
  EXPECT_EQ(StringField(block, "ProductVersion"), version);
  EXPECT_EQ(StringField(block, "ProductName"), "Dorvex");
  EXPECT_EQ(StringField(block, "InternalName"), "Dorvex");
  EXPECT_EQ(StringField(block, "OriginalFilename"), "Dorvex.exe");
  EXPECT_NE(StringField(block, "FileDescription"), "<missing>");
  EXPECT_NE(StringField(block, "LegalCopyright").find("The Dorvex authors"), std::string::npos);

  struct Translation {
    WORD language;
    WORD codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation->language, 0x409);
  EXPECT_EQ(translation->codePage, 1200);
}

}  // namespace
