// What the archive tests share: reading archives back, and the main window and Restore dialog run with a
// simulated user.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/archive_format.h"
#include "archive_bytes.h"
#include "temp_folder.h"
#include "user_sim.h"

namespace archive_test {

inline constexpr char kMainTitle[] = "Dorvex [English]";
inline constexpr char kRestoreTitle[] = "Restore";
inline constexpr char kSaveTitle[] = "Save As";
inline constexpr char kOpenTitle[] = "Open";

// The listing of archive bytes, as the program's reader sees them.
archive_format::ArchiveListing ListingOf(const std::string& bytes);

// A content that tells its bytes apart, of any length.
std::string Pattern(std::size_t size, char seed = 'a');

// Runs a modal dialog (`ui`) while the user's script acts; the script gets
// the dialog's window, found by its title.
void RunDialog(std::string_view title, const std::function<void(usersim::User&, HWND)>& script,
               const std::function<void()>& ui);

// Clicks Backup in the main window, saves as `archivePath` and returns the
// summary box (answered with OK).
usersim::MessageBoxInfo BackUpAs(const usersim::User& user, HWND mainWindow, const std::string& archivePath);

}  // namespace archive_test
