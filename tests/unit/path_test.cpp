#include "framework/path.h"

#include <gtest/gtest.h>

#include <string>

TEST(Path, PlainFileNames) {
  const std::wstring plain[] = {L"report.txt", L"README", L".profile", L"a b.txt", L"café.doc", L"x",
                                L"console.log", L"COM10", L"LPT", L"com.txt", L"nullify", L"auxiliary.c",
                                L"C0M1", L"ソフト.TXT", L"x＼y.txt", L"ＣＯＮ", L"😀.png",
                                // one quarter, and a superscript that code page 1252 lacks: no devices
                                L"COM¼", L"COM⁴", std::wstring(255, L'a')};
  for (const std::wstring& name : plain) EXPECT_TRUE(IsPlainFileName(name)) << name;
  const std::wstring refused[] = {
      L"", std::wstring(256, L'a'),
      // paths, streams, wildcards
      L"dir\\file", L"dir/file", L"c:file", L"C:\\windows\\win.ini", L"\\\\server\\share\\f", L"a:stream",
      L"..\\up.txt", L"../up.txt", L"\\root.txt", L"a*b", L"what?", L"say\"hi\"", L"<in", L"out>", L"pipe|d",
      // control characters
      std::wstring(L"a\0b", 3), L"tab\there", L"line\n", L"\x1f",
      // what Windows would trim
      L".", L"..", L"...", L"trail.", L"trail ", L"name. ", L" ",
      // devices, in any case and with any extension
      L"CON", L"con", L"PRN", L"aux", L"NUL", L"nul.txt", L"Com1.log", L"COM9", L"lpt1", L"LPT9.tar.gz",
      L"nul .txt", L"CONOUT$", L"conin$", L"COM0", L"LPT0", L"CON.txt", L"COM¹", L"com².txt", L"LPT³"};
  for (const std::wstring& name : refused) EXPECT_FALSE(IsPlainFileName(name)) << '[' << name << ']';
}

TEST(Path, ForbiddenNameCharactersAreNineAndTheControlCharacters) {
  for (const wchar_t character : std::wstring(L"\\/:*?\"<>|\t\x1f\0", 12))
    EXPECT_TRUE(HoldsForbiddenNameCharacter(L"a" + std::wstring(1, character))) << int{character};
  for (const wchar_t* text : {L"", L"été", L"ソフト", L"x＼y", L"trail. "})
    EXPECT_FALSE(HoldsForbiddenNameCharacter(text)) << text;
}

TEST(Path, DeviceNamespacesAndFoldersNamedByThemselves) {
  for (const wchar_t* path : {L"\\\\.\\", L"\\\\?\\c:\\data\\", L"//./", L"\\??\\c:\\", L"\\\\.\\c:\\"})
    EXPECT_TRUE(IsDeviceNamespacePath(path)) << path;
  for (const wchar_t* path : {L"c:\\data\\", L"C:\\", L"\\\\server\\share\\", L"", L"data"})
    EXPECT_FALSE(IsDeviceNamespacePath(path)) << path;
  // A drive root or a share with both parts; the device namespaces are not this check's.
  for (const wchar_t* folder : {L"c:\\data\\", L"Z:\\", L"c:/data/", L"\\\\server\\share\\",
                                L"\\\\server\\share\\sub\\", L"\\\\?\\c:\\data\\"})
    EXPECT_TRUE(NamesAbsoluteFolder(folder)) << folder;
  for (const wchar_t* folder : {L"", L"docs\\", L"c:", L"c:docs\\", L"\\data\\", L"\\\\server",
                                L"\\\\server\\", L"\\\\\\share\\", L"1:\\", L"//./"})
    EXPECT_FALSE(NamesAbsoluteFolder(folder)) << folder;
}

TEST(Path, FolderAndNameJoinWithOneBackslash) {
  EXPECT_EQ(PathInFolder(L"c:\\data\\", L"a.txt"), L"c:\\data\\a.txt");
  EXPECT_EQ(PathInFolder(L"c:\\data", L"a.txt"), L"c:\\data\\a.txt");
  EXPECT_EQ(PathInFolder(L"c:/data/", L"a.txt"), L"c:/data/a.txt");
  EXPECT_EQ(PathInFolder(L"c:", L"a.txt"), L"c:a.txt");
  EXPECT_EQ(PathInFolder(L"", L"a.txt"), L"a.txt");
}

TEST(Path, OnlyFullPathsOnADriveSplitIntoDriveAndFolder) {
  struct Row {
    const wchar_t* path;
    const wchar_t* drive;
    const wchar_t* folder;
  };
  for (const Row& row : {Row{L"c:\\", L"c:", L"\\"}, Row{L"C:\\users\\x\\", L"C:", L"\\users\\x\\"},
                         Row{L"d:\\work", L"d:", L"\\work\\"}, Row{L"c:\\写真\\", L"c:", L"\\写真\\"}}) {
    const auto split = SplitFolderPath(row.path);
    ASSERT_TRUE(split) << row.path;
    EXPECT_EQ(split->drive, row.drive);
    EXPECT_EQ(split->folder, row.folder);
  }
  for (const wchar_t* path :
       {L"", L"c:", L"c:users\\x\\", L"\\users\\x\\", L"\\\\server\\share\\x\\", L"1:\\x\\", L"x\\"})
    EXPECT_FALSE(SplitFolderPath(path)) << path;
}

TEST(Path, TheParentOfARootIsTheRoot) {
  struct Row {
    const wchar_t* path;
    const wchar_t* parent;
  };
  for (const Row& row : {Row{L"c:\\windows\\system\\", L"c:\\windows\\"}, Row{L"c:\\windows\\", L"c:\\"},
                         Row{L"c:\\windows", L"c:\\"}, Row{L"c:\\", L"c:\\"}})
    EXPECT_EQ(ParentFolderPath(row.path), row.parent) << row.path;
}
