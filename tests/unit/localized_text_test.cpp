#include "app/localized_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// The expected texts are written here in UTF-8 and converted, so that a wrong
// escape in the table cannot hide behind the same wrong escape in the test.
std::string Cp1252(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      continue;
    }
    // Only two-byte sequences of U+0080..U+00FF occur in these texts.
    EXPECT_TRUE(lead == 0xC2 || lead == 0xC3) << "unexpected UTF-8 lead byte";
    const auto trail = static_cast<unsigned char>(utf8[++i]);
    out += static_cast<char>(((lead & 0x03) << 6) | (trail & 0x3F));
  }
  return out;
}

struct Expected {
  const LocalizedEntry* entry;
  LanguageId language;
  const char* utf8;
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

TEST(LocalizedText, AccentedTextsAreExactCodePage1252Bytes) {
  using namespace LocalizedText;
  using namespace Language;
  const Expected cases[] = {
      {&NoFilesMatchedPrint, German, "Keine mit %s übereinstimmenden Dateien gefunden!"},
      {&NoFilesMatchedPrint, French, "Aucun fichier trouvé correspondant à %s!"},
      {&NoFilesMatchedBackup, German, "Keine mit %s übereinstimmenden Dateien gefunden!"},
      {&NoFilesMatchedBackup, French, "Aucun fichier trouvé correspondant à %s!"},
      {&BackupComplete, French,
       "Sauvegarde terminée\n%d de %d traité\nLes données ont été copiées avec succès."},
      {&ArchiveReadError, German, "Lesen der archivierten Daten nicht möglich"},
      {&ConfirmDelete, German, "Markierte Dateien löschen?"},
      {&ConfirmDelete, French, "Souhaitez-vous supprimer les fichiers sélectionnés?"},
      {&OpenFileError, German, "Fehler beim Öffnen der Datei"},
      {&NotABackupFile, German, "Diese Datei ist keine gültige sicherungdatei."},
      {&NotABackupFile, Italian, "Questo file non è valido file di backup."},
      {&ItemsRestored, German, "Zurückgeholte Nachrichten: %d"},
      {&ItemsRestored, French, "Eléments restaurés : %d"},
      {&AboutMenuItem, German, "Über Dorvex..."},
      {&AboutMenuItem, French, "Á Propos de Dorvex..."},
      {&LanguageChanged, German,
       "Es wurde eine neue Anwendungssprache installiert.\nDamit diese in Kraft tritt, muß "
       "Dorvex beendet und neu gestartet werden."},
      {&LanguageChanged, French,
       "Une nouvelle langue d'environnement a été installée.\nVous devez quitter, puis "
       "relancer Dorvex pour que ce changement soit pris en compte."},
      {&LanguageChanged, Italian,
       "È stata installata una nuova lingua di ambiente.\nPer renderla attiva, uscire e "
       "riavviare Dorvex."},
      {&NoIconsInFile, German, "Die ausgewählte Datei enthält keine Symbole.\nAndere Datei auswählen."},
      {&NoIconsInFile, French,
       "Le fichier sélectionné ne contient pas d'icône.\nSélectionnez un autre fichier."},
      {&OpenOrCreateError, German, "Öffnen oder Erstellen der Datei nicht möglich!"},
      {&OpenOrCreateError, French, "Ouverture ou création du fichier impossible!"},
      {&EnumerateTitle, German, "Zähle"},
      {&PrintTitle, French, "Impression de la liste des répertoires"},
      {&DeleteTitle, German, "Datei löschen"},
      {&ToUpperTitle, German, "Großbuchstaben"},
      {&ResultTitle, French, "Résultat"},
  };
  for (const Expected& expected : cases)
    EXPECT_EQ(Text(*expected.entry, expected.language), Cp1252(expected.utf8));
}

TEST(LocalizedText, PlainTextsInEveryLanguage) {
  using namespace LocalizedText;
  using namespace Language;
  EXPECT_EQ(Text(ArchiveReadError, French), "---");
  EXPECT_EQ(Text(ArchiveReadError, English), "Unable to read archived data!");
  EXPECT_EQ(Text(BackupComplete, English),
            "Operation Complete.\n%d of %d processed\nData copied successfully");
  EXPECT_EQ(Text(BackupComplete, Italian),
            "Compito completato\n%d di %d elaborato\nI dati sono stati copiati.");
  EXPECT_EQ(Text(NoIconsInFile, Italian), "Il file non contiene nessuna icona.\nselezionarne un altro.");
  EXPECT_EQ(Text(LanguageChanged, English),
            "A new environment language has been installed.\nYou must exit and restart "
            "Dorvex for the change to take effect.");

  const char* const cancel[] = {"Cancel?", "Abbreche?", "Annuler?", "Cancella?"};
  const char* const error[] = {"Error", "Fehler", "Erreur", "Errore"};
  const char* const restore[] = {"Restore", "Wiederherstellen", "Restauration", "Ripristino del backup"};
  const char* const information[] = {"Information", "Auskunft", "Information", "Informazione"};
  for (LanguageId language = 0; language < Language::Count; ++language) {
    EXPECT_EQ(Text(CancelQuestion, language), cancel[language]);
    EXPECT_EQ(Text(ErrorTitle, language), error[language]);
    EXPECT_EQ(Text(RestoreTitle, language), restore[language]);
    EXPECT_EQ(Text(InformationTitle, language), information[language]);
  }
}

TEST(LocalizedText, UnknownLanguageFallsBackToEnglish) {
  for (LanguageId language : {-1, 4, 7, INT_MIN, INT_MAX}) {
    EXPECT_EQ(Text(LocalizedText::ErrorTitle, language), "Error");
    EXPECT_EQ(Text(LocalizedText::ToUpperTitle, language), "ToUpper");
  }
}

TEST(LocalizedText, NoFilesMatchedEntriesHaveEqualTexts) {
  for (LanguageId language = 0; language < Language::Count; ++language)
    EXPECT_EQ(Text(LocalizedText::NoFilesMatchedPrint, language),
              Text(LocalizedText::NoFilesMatchedBackup, language));
}

// That every text fits its slot without a NUL inside is checked when the
// table is compiled; an empty text is not.
TEST(LocalizedText, NoTextIsEmpty) {
  EXPECT_EQ(AllEntries().size(), 25u);
  for (const LocalizedEntry* entry : AllEntries())
    for (LanguageId language = 0; language < Language::Count; ++language)
      EXPECT_FALSE(Text(*entry, language).empty());
}
