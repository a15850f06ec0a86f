// A folder of the test's own, removed with its contents when the test ends,
// the whole files the tests write and read back, and a fake user profile for
// the Home buttons. Narrow file names are bytes in the system's code page;
// the wide ones hold any name, also one that the code page lacks.
#pragma once
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/unique_handles.h"

// A fresh path for a folder of the test's own under `parent`.
std::filesystem::path UniqueFolderPath(const std::filesystem::path& parent);

// The test run's disk that ignores case but keeps it, as Windows' disks do:
// scripts/test.sh mounts a FAT image and names its drive in DORVEX_FAT_DRIVE
// (e.g. "f:"). A fresh path for a folder of the test's own there, for
// TempFolder or FakeProfile to make. Throws, saying what is missing, when the
// run has no such disk: a test that needs it fails rather than passing unseen.
std::filesystem::path FatDiskFolderPath();

// Whole files by their Windows path; a file that cannot be read reads empty.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, std::string_view content);
bool FileExists(const std::string& path);
std::string ReadWholeFile(const std::wstring& path);
void WriteWholeFile(const std::wstring& path, std::string_view content);
bool FileExists(const std::wstring& path);

// A file held open without sharing, as another program may hold it.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path);

 private:
  UniqueFileHandle m_file;
};

// A free drive letter (q down to h) mapped in the run's Wine prefix to a Unix
// folder of the test's own, for the fault tests. The folder lies inside the
// prefix, so that the run's clean-up finds what a killed test left mounted.
// A `tmpfsSize` (e.g. "4m") mounts a small disk of that size on the folder,
// which takes root.
class MappedDrive {
 public:
  explicit MappedDrive(std::string_view name, std::string_view tmpfsSize = {});
  ~MappedDrive();
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;

  bool Mapped() const { return m_letter && GetDriveTypeA(Root().c_str()) != DRIVE_NO_ROOT_DIR; }
  std::string Root() const { return std::string{m_letter, ':', '\\'}; }
  std::string ListEntry() const { return std::string("[-") + m_letter + "-]"; }  // in the drive list
  const std::string& UnixFolder() const { return m_folder; }
  const std::string& WhyNot() const { return m_whyNot; }

 private:
  char m_letter = 0;
  std::string m_folder;
  std::string m_link;
  std::string m_whyNot;
};

class TempFolder {
 public:
  TempFolder();  // under the temp directory
  explicit TempFolder(const std::filesystem::path& path);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  // The Windows path with a trailing backslash.
  std::string WindowsPath() const;
  std::string PathOf(std::string_view name) const { return WindowsPath() + std::string(name); }
  std::filesystem::path Write(std::string_view name, std::string_view content = {}) const;
  std::filesystem::path MakeFolder(std::string_view name) const;
  std::string Read(std::string_view name) const { return ReadWholeFile(PathOf(name)); }
  bool Exists(std::string_view name) const { return FileExists(PathOf(name)); }
  // The names the folder holds, sorted byte-wise.
  std::vector<std::string> Names() const;

  std::wstring WideWindowsPath() const;
  std::wstring PathOf(std::wstring_view name) const { return WideWindowsPath() + std::wstring(name); }
  std::filesystem::path Write(std::wstring_view name, std::string_view content = {}) const;
  std::filesystem::path MakeFolder(std::wstring_view name) const;
  std::string Read(std::wstring_view name) const { return ReadWholeFile(PathOf(name)); }
  bool Exists(std::wstring_view name) const { return FileExists(PathOf(name)); }
  // The names the folder holds as shown, sorted by their UTF-16 units.
  std::vector<std::wstring> WideNames() const;

 private:
  std::filesystem::path m_path;
};

// Points USERPROFILE at a fresh folder with a Desktop inside, for as long as
// it lives, so that the main window opens there.
class FakeProfile {
 public:
  FakeProfile();
  // The profile in the given folder, e.g. one with a short path.
  explicit FakeProfile(const std::filesystem::path& folder);
  ~FakeProfile();
  const TempFolder& Profile() const { return m_profile; }
  std::filesystem::path Desktop() const { return m_profile.Path() / "Desktop"; }
  // The Desktop as the main window's path line shows it (lower case, no trailing backslash).
  std::string DesktopPathLine() const;

 private:
  void Enter();

  TempFolder m_profile;
  std::optional<std::string> m_previous;
};
