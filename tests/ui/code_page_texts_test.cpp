// The program's messages in each language show their own letters on every
// system, also where the system's code page lacks them (à and è on 1250,
// every accent on 1251 and 932).
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "code_page_test_support.h"
#include "res/resource.h"
#include "temp_folder.h"

using usersim::User;

namespace {

void ExpectBox(const User& user, std::wstring_view title, std::wstring_view text) {
  const auto box = user.WaitForMessageBox(title);
  EXPECT_EQ(box.wideText, text);
  user.Answer(box, IDOK);
}

}  // namespace

TEST(LocalizedTexts, EveryLanguageShowsItsOwnLetters) {
  struct Row {
    LanguageId language;
    std::wstring mainTitle, restoreTitle, errorTitle, noFilesMatched, notABackup;
  };
  const Row rows[] = {
      {Language::English, L"Dorvex [English]", L"Restore", L"Error",
       L"No files were found that matched *.zzz!", L"This file is not a valid backup file."},
      {Language::German, L"Dorvex [Deutsch]", L"Finde Wiederauf", L"Fehler",
       L"Keine mit *.zzz übereinstimmenden Dateien gefunden!",
       L"Diese Datei ist keine gültige sicherungdatei."},
      {Language::French, L"Dorvex [français]", L"Retrouve", L"Erreur",
       L"Aucun fichier trouvé correspondant à *.zzz!", L"Ce fichier n'est pas un fichier de sauvegarde."},
      {Language::Italian, L"Dorvex [Italiano]", L"Reperisci", L"Errore",
       L"Non sono stati trovati file corrispondenti a *.zzz!", L"Questo file non è valido file di backup."},
  };
  const TempFolder archives;
  const std::string notABackup = archives.PathOf("other.Backup");
  WriteWholeFile(notABackup, "no archive");
  for (const Row& row : rows) {
    SetCurrentLanguage(row.language);
    FakeProfile profile;
    RunMainWindowTitled(row.mainTitle, [&](User& user, HWND main) {
      user.SetText(main, IDC_FILE_SPEC, "*.zzz");
      user.Click(main, IDC_BACKUP);
      ExpectBox(user, row.errorTitle, row.noFilesMatched);
      user.Click(main, IDC_RETRIEVE);
      user.EnterFileName(WaitForFileDialog(user), notABackup);
      ExpectBox(user, row.errorTitle, row.notABackup);
      user.Click(user.WaitForDialog(row.restoreTitle), IDOK);
      user.Click(main, IDCANCEL);
    });
  }
}
