// Backup as a user meets it: the save dialog, the progress, the summary, the
// files it stores and the ones it reports, and what it leaves behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/current_language.h"
#include "app/localized_text.h"
#include "archive/restore_dialog.h"
#include "archive_test_support.h"
#include "framework/application.h"
#include "framework/text.h"
#include "framework/text_case.h"
#include "framework/unique_handles.h"
#include "main_window.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "ui/browsing_state.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

using namespace archive_test;
using testing::Contains;
using testing::ElementsAre;
using usersim::MessageBoxIcon;
using usersim::User;

namespace {

// A command goes on after its last question; it has ended when its window
// takes input again.
void WaitUntilEnabled(const User& user, HWND window) {
  for (int tries = 0; tries < 2000 && !IsWindowEnabled(window); ++tries) user.Settle(window);
  ASSERT_TRUE(IsWindowEnabled(window)) << "the command did not end";
}

std::vector<std::string> ItemNames(const archive_format::ArchiveListing& listing) {
  std::vector<std::string> names;
  for (const auto& item : listing.items) names.push_back(item.name);
  return names;
}

class ArchiveBackupTest : public testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::English); }

  FakeProfile m_profile;
  TempFolder m_desktop{m_profile.Desktop()};
};

SYSTEMTIME LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

// The default archive name for every second from `first` to `last`, written
// out here with English names, whatever the machine's language.
std::vector<std::string> NamesForEverySecond(const SYSTEMTIME& first, const SYSTEMTIME& last) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto ticks = [](SYSTEMTIME time) {
    time.wMilliseconds = 0;
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return (static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
  };
  std::vector<std::string> names;
  for (std::uint64_t tick = ticks(first); tick <= ticks(last); tick += 10'000'000) {
    const FILETIME file{static_cast<DWORD>(tick), static_cast<DWORD>(tick >> 32)};
    SYSTEMTIME t{};
    FileTimeToSystemTime(&file, &t);
    const int hour12 = t.wHour % 12 == 0 ? 12 : t.wHour % 12;
    char name[64];
    std::snprintf(name, sizeof name, "%s-%s-%02d-%02d at %02d-%02d-%02d %s", kDays[t.wDayOfWeek],
                  kMonths[t.wMonth - 1], t.wDay, t.wYear % 100, hour12, t.wMinute, t.wSecond,
                  t.wHour < 12 ? "AM" : "PM");
    names.emplace_back(name);
  }
  return names;
}

TEST_F(ArchiveBackupTest, StoresEveryListedFileInListOrderAndRestoresThemByteForByte) {
  const std::string big = Pattern(5000, 'c');
  const std::string medium = Pattern(2048, 'b');
  m_desktop.Write("b.txt", medium);
  m_desktop.Write("a.dat", "");
  m_desktop.Write("C.bin", big);
  const std::string archivePath = m_desktop.PathOf("out.Backup");
  std::string offeredName;
  RunMainWindow([&](User& user, HWND main) {
    EXPECT_THAT(user.ListItems(main, IDC_FILE_LIST), ElementsAre("a.dat", "b.txt", "C.bin"));
    user.ClickListItem(main, IDC_FILE_LIST, "b.txt");  // a selection makes no difference
    const SYSTEMTIME before = LocalNow();
    user.Click(main, IDC_BACKUP);
    HWND save = user.WaitForDialog(kSaveTitle);
    offeredName = user.Text(user.FileNameBox(save));
    EXPECT_THAT(NamesForEverySecond(before, LocalNow()), Contains(offeredName));
    user.EnterFileName(save, archivePath);
    const auto summary = user.WaitForMessageBox("Backup");
    EXPECT_EQ(summary.text, "operation complete.\n3 of 3 processed\ndata copied successfully");
    EXPECT_EQ(summary.icon, MessageBoxIcon::Information);
    user.Answer(summary, IDOK);
    // The refreshed list shows the new archive, saved into the shown folder.
    EXPECT_THAT(user.ListItems(main, IDC_FILE_LIST), Contains("out.Backup"));
    user.Click(main, IDCANCEL);
  });

  const std::string expected = ArchiveOf(*BytesInCodePage(CurrentDrive + CurrentFolder, SystemCodePage()),
                                         {{"a.dat", ""}, {"b.txt", medium}, {"C.bin", big}});
  const std::string written = ReadWholeFile(archivePath);
  EXPECT_EQ(written.size(), 1036u + 3 * 516 + 2048 + 5000);
  EXPECT_TRUE(written == expected) << "the archive differs from the layout";

  // Back again: the originals go, Restore All puts them back as they were.
  for (const char* name : {"a.dat", "b.txt", "C.bin"}) DeleteFileA(m_desktop.PathOf(name).c_str());
  RestoreDialog restore;
  restore.m_strArchivePath = m_desktop.PathOf(L"out.Backup");
  RunDialog(
      kRestoreTitle,
      [&](User& user, HWND dialog) {
        EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("a.dat", "b.txt", "C.bin"));
        user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
        user.ExpectMessageBox("Result", "Items restored: 3");
        user.Click(dialog, IDCANCEL);
      },
      [&] { restore.DoModal(); });
  EXPECT_TRUE(m_desktop.Exists("a.dat"));
  EXPECT_EQ(m_desktop.Read("a.dat"), "");
  EXPECT_TRUE(m_desktop.Read("b.txt") == medium);
  EXPECT_TRUE(m_desktop.Read("C.bin") == big);
}

TEST_F(ArchiveBackupTest, EndsWithoutWritingWhenNothingIsListedOrTheSaveDialogIsCancelled) {
  m_desktop.Write("only.txt", "x");
  RunMainWindow([&](User& user, HWND main) {
    user.SetText(main, IDC_FILE_SPEC, "*.zzz");
    user.Click(main, IDC_BACKUP);
    const auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, "No files were found that matched *.zzz!");
    EXPECT_EQ(box.icon, MessageBoxIcon::Information);
    user.Answer(box, IDOK);

    user.SetText(main, IDC_FILE_SPEC, "*.*");
    user.Click(main, IDC_BACKUP);
    user.ClickCancel(user.WaitForDialog(kSaveTitle));
    // No message follows: the main window takes clicks again at once.
    EXPECT_TRUE(IsWindowEnabled(main));
    user.Click(main, IDCANCEL);
  });
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_desktop.Path()), {}), 1);
}

TEST_F(ArchiveBackupTest, AFileLockedElsewhereIsReportedAndSkipped) {
  m_desktop.Write("a.txt", "first");
  m_desktop.Write("b.txt", "locked");
  m_desktop.Write("c.txt", "third");
  const HeldOpen lock(m_desktop.PathOf("b.txt"));
  const std::string archivePath = m_desktop.PathOf("locked.Backup");
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    const auto error = user.WaitForMessageBox("Error");
    EXPECT_EQ(error.text, "b.txt could not be opened because\na shared region is locked.");
    EXPECT_EQ(error.icon, MessageBoxIcon::Stop);
    user.Answer(error, IDOK);
    user.ExpectMessageBox("Backup", "operation complete.\n2 of 3 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  const auto listing = ListingOf(ReadWholeFile(archivePath));
  EXPECT_THAT(ItemNames(listing), ElementsAre("a.txt", "c.txt"));
  EXPECT_FALSE(listing.damage.has_value());
}

TEST_F(ArchiveBackupTest, ABackupOverTheListedArchiveLeavesThatArchiveOutInsteadOfNestingIt) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) m_desktop.Write(name, name);
  const std::string archivePath = m_desktop.PathOf("lay.Backup");
  std::size_t firstSize = 0;
  RunMainWindow([&](User& user, HWND main) {
    EXPECT_EQ(BackUpAs(user, main, archivePath).text,
              "operation complete.\n3 of 3 processed\ndata copied successfully");
    firstSize = ReadWholeFile(archivePath).size();
    // The archive is one of the listed files now.
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    user.Answer(user.WaitForMessageBox(), IDYES);  // replace it
    const auto refused = user.ExpectMessageBox(
        "Error", "lay.Backup could not be stored because\nit is the backup file being written.");
    EXPECT_EQ(refused.icon, MessageBoxIcon::Stop);
    user.ExpectMessageBox("Backup", "operation complete.\n3 of 4 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  EXPECT_THAT(ItemNames(ListingOf(ReadWholeFile(archivePath))), ElementsAre("a.txt", "b.txt", "c.txt"));
  EXPECT_EQ(ReadWholeFile(archivePath).size(), firstSize);
}

TEST_F(ArchiveBackupTest, CancelConfirmedAfterTheFirstStoredFileKeepsThatOneItem) {
  // The locked file holds the run at its error message, so that the user's
  // click on Cancel is waiting when the first stored file is polled.
  for (const char* name : {"0-locked.txt", "a.txt", "b.txt", "c.txt"}) m_desktop.Write(name, name);
  const HeldOpen lock(m_desktop.PathOf("0-locked.txt"));
  const std::string archivePath = m_desktop.PathOf("cancelled.Backup");
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    const auto error = user.WaitForMessageBox("Error");
    HWND progress = user.WaitForDialog("Backup");
    EXPECT_FALSE(IsWindowEnabled(main));
    user.Click(progress, IDCANCEL);
    user.Answer(error, IDOK);

    user.AnswerQuestion("Backup", "Cancel?", IDYES);
    user.ExpectMessageBox("Backup", "operation complete.\n1 of 4 processed\ndata copied successfully");
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_TRUE(IsWindowEnabled(main));
    user.Click(main, IDCANCEL);
  });
  const auto listing = ListingOf(ReadWholeFile(archivePath));
  EXPECT_EQ(listing.declaredItemCount, 1u);
  EXPECT_THAT(ItemNames(listing), ElementsAre("a.txt"));
}

TEST_F(ArchiveBackupTest, CancelConfirmedOverAnExistingArchiveKeepsItAsItWas) {
  for (const char* name : {"0-locked.txt", "a.txt"}) m_desktop.Write(name, name);
  const HeldOpen lock(m_desktop.PathOf("0-locked.txt"));
  TempFolder elsewhere;
  const std::string old = ArchiveOf("c:\\old\\", {{"x.txt", "x"}});
  elsewhere.Write("kept.Backup", old);
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, elsewhere.PathOf("kept.Backup"));
    user.Answer(user.WaitForMessageBox(), IDYES);  // replace it
    const auto error = user.WaitForMessageBox("Error");
    user.Click(user.WaitForDialog("Backup"), IDCANCEL);
    user.Answer(error, IDOK);
    user.AnswerQuestion("Backup", "Cancel?", IDYES);
    user.ExpectMessageBox("Backup", "operation complete.\n0 of 2 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  EXPECT_TRUE(elsewhere.Read("kept.Backup") == old);
  EXPECT_THAT(elsewhere.Names(), ElementsAre("kept.Backup"));
}

TEST_F(ArchiveBackupTest, RefusesFilesTheArchiveCannotHoldAndStoresTheOthers) {
  m_desktop.Write("ok.txt", "fine");
  {
    // 4 GiB exactly, sparse: DataSize cannot hold it.
    UniqueFileHandle big(CreateFileA(m_desktop.PathOf("big.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(big);
    LARGE_INTEGER size;
    size.QuadPart = 0x100000000LL;
    ASSERT_TRUE(SetFilePointerEx(big.get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(big.get()));
  }
  // No folder lists such a name; the list is given one to show the guard.
  const std::string longName(600, 'z');
  const std::string archivePath = m_desktop.PathOf("refused.Backup");
  RunMainWindow([&](User& user, HWND main) {
    SendMessageA(user.Control(main, IDC_FILE_LIST), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(longName.c_str()));
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    const auto tooLarge = user.WaitForMessageBox("Error");
    EXPECT_EQ(
        tooLarge.text,
        "big.bin could not be stored because\nit is 4 GB or larger, more than a backup archive can hold.");
    EXPECT_EQ(tooLarge.icon, MessageBoxIcon::Stop);
    user.Answer(tooLarge, IDOK);
    user.ExpectMessageBox("Error",
                          longName + " could not be stored because\nits name is longer than 511 characters.");
    user.ExpectMessageBox("Backup", "operation complete.\n1 of 3 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  const auto listing = ListingOf(ReadWholeFile(archivePath));
  EXPECT_THAT(ItemNames(listing), ElementsAre("ok.txt"));
  EXPECT_FALSE(listing.damage.has_value());
}

TEST_F(ArchiveBackupTest, TheSaveDialogOpensInTheShownFolder) {
  m_desktop.Write("one.txt", "1");
  RunMainWindow([&](User& user, HWND main) {
    BackUpAs(user, main, "typed.Backup");
    user.Click(main, IDCANCEL);
  });
  EXPECT_EQ(ListingOf(m_desktop.Read("typed.Backup")).items.size(), 1u);
}

// A file pattern that names a folder of its own lists that folder: Backup
// stores the files listed, not the same-named ones of the browsed folder.
TEST_F(ArchiveBackupTest, StoresTheFilesOfTheFolderThePatternLists) {
  m_desktop.Write("a.txt", "DESKTOP-CONTENT");
  m_desktop.MakeFolder("sub");
  m_desktop.Write("sub\\a.txt", "SUB-CONTENT");
  m_desktop.Write("sub\\b.txt", "b");
  const std::string archivePath = m_desktop.PathOf("sub.Backup");
  RunMainWindow([&](User& user, HWND main) {
    user.SetText(main, IDC_FILE_SPEC, "sub\\*.txt");
    EXPECT_THAT(user.ListItems(main, IDC_FILE_LIST), ElementsAre("a.txt", "b.txt"));
    const auto summary = BackUpAs(user, main, archivePath);
    EXPECT_EQ(summary.text, "operation complete.\n2 of 2 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  const std::string written = ReadWholeFile(archivePath);
  const auto listing = ListingOf(written);
  EXPECT_EQ(ToLowerCase(WideFromCodePage(listing.sourceFolder, SystemCodePage()).value_or(L"")),
            ToLowerCase(m_desktop.WideWindowsPath() + L"sub\\"));
  EXPECT_THAT(ItemNames(listing), ElementsAre("a.txt", "b.txt"));
  EXPECT_NE(written.find("SUB-CONTENT"), std::string::npos);
  EXPECT_EQ(written.find("DESKTOP-CONTENT"), std::string::npos);
}

TEST_F(ArchiveBackupTest, FileDialogsLeaveBareNamesActingOnTheShownFolder) {
  TempFolder elsewhere;
  m_desktop.Write("victim.txt", "shown");
  elsewhere.Write("victim.txt", "elsewhere");
  const std::wstring shownFolder = m_desktop.WideWindowsPath();
  RunMainWindow([&](User& user, HWND main) {
    // The user browses to another folder in Backup's save dialog, then gives up.
    user.Click(main, IDC_BACKUP);
    HWND save = user.WaitForDialog(kSaveTitle);
    user.EnterFileName(save, elsewhere.WindowsPath());
    user.ClickCancel(save);

    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(ToLowerCase(std::wstring(current) + L"\\"), ToLowerCase(shownFolder));

    // Delete works on the bare listed name.
    user.ClickListItem(main, IDC_FILE_LIST, "victim.txt");
    user.Click(main, IDC_DELETE);
    user.AnswerQuestion("Delete file", "Do you want to delete the selected files?", IDYES);
    WaitUntilEnabled(user, main);
    EXPECT_THAT(user.ListItems(main, IDC_FILE_LIST), testing::Not(Contains("victim.txt")));
    user.Click(main, IDCANCEL);
  });
  EXPECT_FALSE(m_desktop.Exists("victim.txt"));
  EXPECT_EQ(elsewhere.Read("victim.txt"), "elsewhere");
}

class ArchiveBackupSummary : public ArchiveBackupTest, public testing::WithParamInterface<LanguageId> {};

TEST_P(ArchiveBackupSummary, IsTheRunningLanguagesTextInLowerCase) {
  const LanguageId language = GetParam();
  SetCurrentLanguage(language);
  m_desktop.Write("one.txt", "1");
  m_desktop.Write("two.txt", "2");
  // Written out, lower case and all, so that a wrong table entry or a wrong
  // lowering cannot pass.
  const char* titles[] = {"Backup", "Datensicherung", "Sauvegarde", "Backup"};
  const char* summaries[] = {"operation complete.\n2 of 2 processed\ndata copied successfully",
                             "vorgang abgeschlossen.\n2 von 2 bearbeitet\nkopiervorgang abgeschlossen.",
                             "sauvegarde termin\xE9"
                             "e\n2 de 2 trait\xE9"
                             "\nles donn\xE9"
                             "es ont \xE9"
                             "t\xE9"
                             " copi\xE9"
                             "es avec succ\xE8"
                             "s.",
                             "compito completato\n2 di 2 elaborato\ni dati sono stati copiati."};
  RunMainWindow(
      [&](User& user, HWND main) {
        user.Click(main, IDC_BACKUP);
        user.ChooseFile(kSaveTitle, m_desktop.PathOf("lang.Backup"));
        user.ExpectMessageBox(titles[language], summaries[language]);
        user.Click(main, IDCANCEL);
      },
      MainWindowTitle(language));
  EXPECT_EQ(ListingOf(m_desktop.Read("lang.Backup")).items.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ArchiveBackupSummary,
                         testing::Values(Language::English, Language::German, Language::French,
                                         Language::Italian));

}  // namespace
