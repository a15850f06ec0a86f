// The form each file call is handed: plain up to the system's limit, the
// "\\?\" form past it, so that a folder of any depth works on Windows as it
// does under Wine (which takes plain paths of any length and so cannot show
// the difference by itself).
#include "framework/file.h"
#include "framework/file_identity.h"
#include "framework/folder_listing.h"
#include "framework/icon_extraction.h"
#include "framework/path.h"

#include "deep_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(FileCallPath, PlainUpToTheLimitAndLongPastIt) {
  const std::wstring atLimit = L"c:\\" + std::wstring(kMaxPlainPathLength - 3, L'a');
  const std::wstring pastLimit = atLimit + L"b";
  const std::wstring share = L"\\\\server\\share\\" + std::wstring(250, L's');
  struct Row {
    std::wstring full;
    std::wstring callForm;
  };
  for (const Row& row : {
           Row{L"c:\\a\\b.txt", L"c:\\a\\b.txt"},
           Row{atLimit, atLimit},
           Row{pastLimit, L"\\\\?\\" + pastLimit},
           Row{L"c:/x/" + pastLimit.substr(5), L"\\\\?\\c:\\x\\" + pastLimit.substr(5)},
           Row{L"\\\\server\\share\\x", L"\\\\server\\share\\x"},
           Row{share, L"\\\\?\\UNC\\server\\share\\" + std::wstring(250, L's')},
           Row{L"\\\\?\\" + pastLimit, L"\\\\?\\" + pastLimit},
           Row{L"\\\\.\\" + pastLimit, L"\\\\.\\" + pastLimit},
           Row{L"relative\\" + pastLimit.substr(3), L"relative\\" + pastLimit.substr(3)},
       }) {
    EXPECT_EQ(LongFormOfFullPath(row.full), row.callForm) << row.full;
  }
  EXPECT_EQ(WithoutLongPrefix(L"\\\\?\\" + pastLimit), pastLimit);
  EXPECT_EQ(WithoutLongPrefix(L"\\\\?\\UNC\\server\\share\\x"), L"\\\\server\\share\\x");
  EXPECT_EQ(WithoutLongPrefix(L"c:\\x"), L"c:\\x");
  EXPECT_EQ(WithoutLongPrefix(L"\\\\?\\Volume{1}\\x"), L"\\\\?\\Volume{1}\\x");
}

TEST(FileCallPath, NormalizedAsTheSystemNormalizesBeforeTheLongFormIsMade) {
  const std::wstring deep = L"c:\\" + std::wstring(200, L'd') + L"\\" + std::wstring(100, L'e');
  struct Row {
    std::wstring path;
    std::wstring callForm;
  };
  for (const Row& row : {
           Row{L"c:\\a\\b.txt.", L"c:\\a\\b.txt"},
           Row{L"c:\\a\\b.txt  ", L"c:\\a\\b.txt"},
           Row{L"c:\\a\\.\\b\\..\\c", L"c:\\a\\c"},
           Row{L"c:/a/b", L"c:\\a\\b"},
           Row{deep + L"\\x.txt. ", L"\\\\?\\" + deep + L"\\x.txt"},
           Row{deep + L"\\..\\" + std::wstring(100, L'e') + L"\\y", L"\\\\?\\" + deep + L"\\y"},
           Row{deep + L"/f/./g", L"\\\\?\\" + deep + L"\\f\\g"},
       }) {
    EXPECT_EQ(FileCallPath(row.path), row.callForm) << row.path;
  }
  // A search keeps its pattern as typed: "*." is not "*".
  EXPECT_EQ(SearchCallPath(L"c:\\a\\.\\*."), L"c:\\a\\*.");
  EXPECT_EQ(SearchCallPath(deep + L"\\*."), L"\\\\?\\" + deep + L"\\*.");
}

// --- Every file call of the framework, as the system receives it. The calls
// go through the program's import table, which the test points at recorders.

std::vector<std::wstring> g_received;

template <auto& Import, class Function>
struct Recorder;

template <auto& Import, class Result, class... Arguments>
struct Recorder<Import, Result(WINAPI*)(Arguments...)> {
  static inline Result(WINAPI* original)(Arguments...) = nullptr;
  static Result WINAPI Record(Arguments... arguments) {
    (
        [&](auto argument) {
          if constexpr (std::is_same_v<decltype(argument), LPCWSTR>) {
            if (argument) g_received.emplace_back(argument);
          }
        }(arguments),
        ...);
    return original(arguments...);
  }
  explicit Recorder(const wchar_t* module, const char* name) {
    original = reinterpret_cast<Result(WINAPI*)(Arguments...)>(GetProcAddress(LoadLibraryW(module), name));
    Point(&Record);
  }
  ~Recorder() { Point(original); }
  static void Point(Result(WINAPI* target)(Arguments...)) {
    DWORD protection = 0;
    VirtualProtect(&Import, sizeof(Import), PAGE_READWRITE, &protection);
    Import = target;
    VirtualProtect(&Import, sizeof(Import), protection, &protection);
  }
};

}  // namespace

extern "C" {
extern decltype(&CreateFileW) __imp_CreateFileW;
extern decltype(&FindFirstFileW) __imp_FindFirstFileW;
extern decltype(&FindFirstFileExW) __imp_FindFirstFileExW;
extern decltype(&GetFileAttributesW) __imp_GetFileAttributesW;
extern decltype(&GetFileAttributesExW) __imp_GetFileAttributesExW;
extern decltype(&MoveFileW) __imp_MoveFileW;
extern decltype(&MoveFileExW) __imp_MoveFileExW;
extern decltype(&DeleteFileW) __imp_DeleteFileW;
extern decltype(&GetLongPathNameW) __imp_GetLongPathNameW;
extern decltype(&ExtractIconW) __imp_ExtractIconW;
}

namespace {

TEST(FileCallPath, EveryFileCallIsHandedTheLongFormPastTheLimit) {
  const std::wstring root = std::filesystem::absolute("file_call_path_every_call").wstring();
  std::wstring folder = root + L"\\";
  for (int level = 0; level < 4; ++level)
    folder += std::wstring(80, static_cast<wchar_t>(L'k' + level)) + L"\\";
  deep_folders::RemoveTree(root);
  ASSERT_TRUE(deep_folders::MakeFolders(folder));
  ASSERT_GT(folder.size(), kMaxPlainPathLength);
  ASSERT_TRUE(deep_folders::WriteFile(folder + L"icon.ico", "no icon"));

  {
    const Recorder<__imp_CreateFileW, decltype(&CreateFileW)> createFile(L"kernel32", "CreateFileW");
    const Recorder<__imp_FindFirstFileW, decltype(&FindFirstFileW)> findFirst(L"kernel32", "FindFirstFileW");
    const Recorder<__imp_FindFirstFileExW, decltype(&FindFirstFileExW)> findFirstEx(L"kernel32",
                                                                                    "FindFirstFileExW");
    const Recorder<__imp_GetFileAttributesW, decltype(&GetFileAttributesW)> attributes(L"kernel32",
                                                                                       "GetFileAttributesW");
    const Recorder<__imp_GetFileAttributesExW, decltype(&GetFileAttributesExW)> attributesEx(
        L"kernel32", "GetFileAttributesExW");
    const Recorder<__imp_MoveFileW, decltype(&MoveFileW)> move(L"kernel32", "MoveFileW");
    const Recorder<__imp_MoveFileExW, decltype(&MoveFileExW)> replace(L"kernel32", "MoveFileExW");
    const Recorder<__imp_DeleteFileW, decltype(&DeleteFileW)> remove(L"kernel32", "DeleteFileW");
    const Recorder<__imp_GetLongPathNameW, decltype(&GetLongPathNameW)> longName(L"kernel32",
                                                                                 "GetLongPathNameW");
    const Recorder<__imp_ExtractIconW, decltype(&ExtractIconW)> icon(L"shell32", "ExtractIconW");

    File file;
    ASSERT_TRUE(file.Open(folder + L"a.txt", File::Mode::CreateNew, nullptr));
    file.Write("abc", 3);
    file.Close();
    ASSERT_TRUE(file.Open(folder + L"a.txt", File::Mode::ReadExisting, nullptr));
    file.Close();
    FileStatus status;
    EXPECT_EQ(File::GetStatus(folder + L"a.txt", status), 0u);
    EXPECT_EQ(status.size, 3u);
    EXPECT_TRUE(File::GetAttributes(folder + L"a.txt").has_value());
    EXPECT_EQ(File::TryRename(folder + L"a.txt", folder + L"b.txt"), 0u);
    ASSERT_TRUE(file.Open(folder + L"c.txt", File::Mode::CreateNew, nullptr));
    file.Close();
    EXPECT_EQ(File::TryReplace(folder + L"c.txt", folder + L"b.txt"), 0u);
    EXPECT_THAT(FileNamesMatching(folder + L"*.txt"), testing::ElementsAre(L"b.txt"));
    const auto listing = ListDirectory(folder + L"*.*");
    ASSERT_TRUE(listing);
    EXPECT_THAT(listing->files, testing::UnorderedElementsAre(L"b.txt", L"icon.ico"));
    EXPECT_TRUE(IdentityOfPath(folder + L"b.txt").has_value());
    EXPECT_EQ(NormalizedPath(folder + L"b.txt"), folder + L"b.txt");
    EXPECT_EQ(IconCountIn(folder + L"icon.ico"), 0u);
    EXPECT_EQ(File::TryRemove(folder + L"b.txt"), 0u);
  }
  EXPECT_THAT(g_received, testing::Not(testing::IsEmpty()));
  for (const std::wstring& path : g_received) EXPECT_TRUE(path.starts_with(L"\\\\?\\" + folder)) << path;
  EXPECT_FALSE(deep_folders::Exists(folder + L"b.txt"));
  deep_folders::RemoveTree(root);
}

}  // namespace
