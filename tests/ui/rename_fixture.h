// The main window shown over a Desktop folder of the test's own, and what a
// user needs to run the renaming and deleting commands on its files.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/language_id.h"
#include "main_window.h"
#include "temp_folder.h"
#include "user_sim.h"

// The disks whose files the commands rename: the run's own (Linux, where
// every spelling of a name is a name of its own) and one that ignores case
// but keeps it, as Windows' disks do (see FatDiskFolderPath).
enum class Disk { Linux, Fat };
std::string DiskName(const testing::TestParamInfo<Disk>& disk);

class RenameCommandTest : public testing::Test {
 protected:
  RenameCommandTest() : RenameCommandTest(Disk::Linux) {}
  explicit RenameCommandTest(Disk disk);
  void SetUp() override;

  // A new file of the shown folder; names are code page 1252 bytes.
  void Add(std::string_view name, std::string_view content = {}) const {
    ASSERT_FALSE(m_folder.Exists(name)) << name;
    m_folder.Write(name, content);
  }
  std::string Content(std::string_view name) const {
    return m_folder.Exists(name) ? m_folder.Read(name) : "<missing>";
  }
  std::vector<std::string> Names() const { return m_folder.Names(); }
  std::string PathOf(std::string_view name) const { return m_folder.PathOf(name); }

  FakeProfile m_profile;
  TempFolder m_folder{m_profile.Desktop()};
};

// A suite of rename tests whose TEST_P cases run on every disk; instantiate
// with INSTANTIATE_TEST_SUITE_P(Disks, Name, kEveryDisk, DiskName).
template <class Suite>
class OnEveryDisk : public Suite, public testing::WithParamInterface<Disk> {
 protected:
  OnEveryDisk() : Suite(GetParam()) {}
};
inline const auto kEveryDisk = testing::Values(Disk::Linux, Disk::Fat);

// Clicks the named entries of the file list (each click toggles one).
void SelectFiles(const usersim::User& user, HWND window, std::initializer_list<std::string_view> names);
// Waits until the command started in the main window has ended: its
// progress window is gone and the main window is usable again.
void WaitForCommandEnd(const usersim::User& user, HWND window);
// Clicks OK in a dialog whose field `edit` holds text it must refuse, and
// checks the refusal as the user meets it: the message (with the exclamation
// icon and the program's name as caption), then the focus back in that field
// with all of its text selected.
void ExpectRefusedAtOk(const usersim::User& user, HWND dialog, int edit, std::wstring_view message);
// Clicks a command button and waits for the command to end.
void RunCommand(const usersim::User& user, HWND window, int buttonId);

// Creates a second file whose name differs from an existing one only in
// case, as a Linux program can; false where the platform cannot (Windows).
bool AddSecondSpelling(const TempFolder& folder, std::string_view name, std::string_view content);

// The file-error message as the main window shows it.
std::string FileErrorMessage(std::string_view name, std::string_view reason);
inline constexpr char kTakenReason[] = "an unspecified error occurred";
inline constexpr char kBadNameReason[] = "all or part of the path is invalid.";
inline constexpr char kLockedReason[] = "a shared region is locked.";
inline constexpr char kAccessReason[] = "the file can not be accessed.";
