#include "app/localized_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct Expected {
  const LocalizedEntry* entry;
  LanguageId language;
  const wchar_t* text;
};

const std::vector<const LocalizedEntry*>& AllEntries() {
  using namespace LocalizedText;
  static const std::vector<const LocalizedEntry*> entries{
      &NoFilesMatchedPrint, &NoFilesMatchedBackup, &BackupComplete,    &ArchiveReadError, &ConfirmDelete,
      &OpenFileError,       &NotABackupFile,       &ItemsRestored,     &AboutMenuItem,    &LanguageMenuItem,
      &LanguageChanged,     &NoIconsInFile,        &OpenOrCreateError, &EnumerateTitle,   &PrintTitle,
      &DeleteTitle,         &ToUpperTitle,         &ToLowerTitle,      &SubstituteTitle,  &CancelQuestion,
      &ErrorTitle,          &ResultTitle,          &BackupTitle,       &RestoreTitle,     &InformationTitle};
  return entries;
}

}  // namespace

// The expected texts are written here as letters, so that a wrong byte in
// the table cannot hide behind the same wrong byte in the test.
TEST(LocalizedText, AccentedTextsShowTheirOwnLetters) {
  using namespace LocalizedText;
  using namespace Language;
  const Expected cases[] = {
      {&NoFilesMatchedPrint, German, L"Keine mit %s übereinstimmenden Dateien gefunden!"},
      {&NoFilesMatchedPrint, French, L"Aucun fichier trouvé correspondant à %s!"},
      {&NoFilesMatchedBackup, German, L"Keine mit %s übereinstimmenden Dateien gefunden!"},
      {&NoFilesMatchedBackup, French, L"Aucun fichier trouvé correspondant à %s!"},
      {&BackupComplete, French,
       L"Sauvegarde terminée\n%d de %d traité\nLes données ont été copiées avec succès."},
      {&ArchiveReadError, German, L"Lesen der archivierten Daten nicht möglich"},
      {&ConfirmDelete, German, L"Markierte Dateien löschen?"},
      {&ConfirmDelete, French, L"Souhaitez-vous supprimer les fichiers sélectionnés?"},
      {&OpenFileError, German, L"Fehler beim Öffnen der Datei"},
      {&NotABackupFile, German, L"Diese Datei ist keine gültige sicherungdatei."},
      {&NotABackupFile, Italian, L"Questo file non è valido file di backup."},
      {&ItemsRestored, German, L"Zurückgeholte Nachrichten: %d"},
      {&ItemsRestored, French, L"Eléments restaurés : %d"},
      {&AboutMenuItem, German, L"Über Dorvex..."},
      {&AboutMenuItem, French, L"Á Propos de Dorvex..."},
      {&LanguageChanged, German,
       L"Es wurde eine neue Anwendungssprache installiert.\nDamit diese in Kraft tritt, muß "
       L"Dorvex beendet und neu gestartet werden."},
      {&LanguageChanged, French,
       L"Une nouvelle langue d'environnement a été installée.\nVous devez quitter, puis "
       L"relancer Dorvex pour que ce changement soit pris en compte."},
      {&LanguageChanged, Italian,
       L"È stata installata una nuova lingua di ambiente.\nPer renderla attiva, uscire e "
       L"riavviare Dorvex."},
      {&NoIconsInFile, German, L"Die ausgewählte Datei enthält keine Symbole.\nAndere Datei auswählen."},
      {&NoIconsInFile, French,
       L"Le fichier sélectionné ne contient pas d'icône.\nSélectionnez un autre fichier."},
      {&OpenOrCreateError, German, L"Öffnen oder Erstellen der Datei nicht möglich!"},
      {&OpenOrCreateError, French, L"Ouverture ou création du fichier impossible!"},
      {&EnumerateTitle, German, L"Zähle"},
      {&PrintTitle, French, L"Impression de la liste des répertoires"},
      {&DeleteTitle, German, L"Datei löschen"},
      {&ToUpperTitle, German, L"Großbuchstaben"},
      {&ResultTitle, French, L"Résultat"},
  };
  for (const Expected& expected : cases) EXPECT_EQ(Text(*expected.entry, expected.language), expected.text);
}

TEST(LocalizedText, UnknownLanguageFallsBackToEnglish) {
  for (LanguageId language : {-1, 4, 7, INT_MIN, INT_MAX}) {
    EXPECT_EQ(Text(LocalizedText::ErrorTitle, language), L"Error");
    EXPECT_EQ(Text(LocalizedText::ToUpperTitle, language), L"ToUpper");
  }
}

TEST(LocalizedText, NoFilesMatchedEntriesHaveEqualTexts) {
  for (LanguageId language = 0; language < Language::Count; ++language)
    EXPECT_EQ(Text(LocalizedText::NoFilesMatchedPrint, language),
              Text(LocalizedText::NoFilesMatchedBackup, language));
}

// That no text holds a NUL is checked when the table is compiled; an empty
// text is not.
TEST(LocalizedText, NoTextIsEmpty) {
  for (const LocalizedEntry* entry : AllEntries())
    for (LanguageId language = 0; language < Language::Count; ++language)
      EXPECT_FALSE(Text(*entry, language).empty());
}
