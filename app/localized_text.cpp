#include "app/localized_text.h"

#include "framework/text.h"

// Texts are code page 1252. A hex escape is always closed by ending the
// literal, so that a following letter cannot be read as one more hex digit.

std::wstring Text(const LocalizedEntry& entry, LanguageId language) {
  return WideFromWestern(entry.Row(language));
}

namespace LocalizedText {

// clang-format off
constexpr LocalizedEntry NoFilesMatchedPrint{
    "No files were found that matched %s!",
    "Keine mit %s \xFC" "bereinstimmenden Dateien gefunden!",
    "Aucun fichier trouv\xE9" " correspondant \xE0" " %s!",
    "Non sono stati trovati file corrispondenti a %s!"};

constexpr LocalizedEntry NoFilesMatchedBackup{
    "No files were found that matched %s!",
    "Keine mit %s \xFC" "bereinstimmenden Dateien gefunden!",
    "Aucun fichier trouv\xE9" " correspondant \xE0" " %s!",
    "Non sono stati trovati file corrispondenti a %s!"};

constexpr LocalizedEntry BackupComplete{
    "Operation Complete.\n%d of %d processed\nData copied successfully",
    "Vorgang abgeschlossen.\n%d von %d bearbeitet\nKopiervorgang abgeschlossen.",
    "Sauvegarde termin\xE9" "e\n%d de %d trait\xE9"
    "\nLes donn\xE9" "es ont \xE9" "t\xE9" " copi\xE9" "es avec succ\xE8" "s.",
    "Compito completato\n%d di %d elaborato\nI dati sono stati copiati."};

constexpr LocalizedEntry ArchiveReadError{
    "Unable to read archived data!",
    "Lesen der archivierten Daten nicht m\xF6" "glich",
    "---",
    "Impossibile leggere i dati archiviati"};

constexpr LocalizedEntry ConfirmDelete{
    "Do you want to delete the selected files?",
    "Markierte Dateien l\xF6" "schen?",
    "Souhaitez-vous supprimer les fichiers s\xE9" "lectionn\xE9" "s?",
    "Desideri cancellare i file selezionati?"};

constexpr LocalizedEntry OpenFileError{
    "Error opening file.",
    "Fehler beim \xD6" "ffnen der Datei",
    "Erreur lors de l'ouverture du fichier",
    "Errore nell'apertura del file"};

constexpr LocalizedEntry NotABackupFile{
    "This file is not a valid backup file.",
    "Diese Datei ist keine g\xFC" "ltige sicherungdatei.",
    "Ce fichier n'est pas un fichier de sauvegarde.",
    "Questo file non \xE8" " valido file di backup."};

constexpr LocalizedEntry ItemsRestored{
    "Items restored: %d",
    "Zur\xFC" "ckgeholte Nachrichten: %d",
    "El\xE9" "ments restaur\xE9" "s : %d",
    "Messaggi ripristinati: %d"};

constexpr LocalizedEntry AboutMenuItem{
    "About Dorvex...",
    "\xDC" "ber Dorvex...",
    "\xC1" " Propos de Dorvex...",
    "Informazioni su Dorvex..."};

constexpr LocalizedEntry LanguageMenuItem{
    "Language...",
    "Sprache...",
    "Langue...",
    "Linguaggio..."};

constexpr LocalizedEntry LanguageChanged{
    "A new environment language has been installed.\n"
    "You must exit and restart Dorvex for the change to take effect.",
    "Es wurde eine neue Anwendungssprache installiert.\n"
    "Damit diese in Kraft tritt, mu\xDF" " Dorvex beendet und neu gestartet werden.",
    "Une nouvelle langue d'environnement a \xE9" "t\xE9" " install\xE9" "e.\n"
    "Vous devez quitter, puis relancer Dorvex pour que ce changement soit pris en compte.",
    "\xC8" " stata installata una nuova lingua di ambiente.\n"
    "Per renderla attiva, uscire e riavviare Dorvex."};

constexpr LocalizedEntry NoIconsInFile{
    "The file does not contain any icons.\nTry selecting another file.",
    "Die ausgew\xE4" "hlte Datei enth\xE4" "lt keine Symbole.\nAndere Datei ausw\xE4" "hlen.",
    "Le fichier s\xE9" "lectionn\xE9" " ne contient pas d'ic\xF4" "ne.\n"
    "S\xE9" "lectionnez un autre fichier.",
    "Il file non contiene nessuna icona.\nselezionarne un altro."};

constexpr LocalizedEntry OpenOrCreateError{
    "Unable to open or create file!",
    "\xD6" "ffnen oder Erstellen der Datei nicht m\xF6" "glich!",
    "Ouverture ou cr\xE9" "ation du fichier impossible!",
    "Impossibile aprire o creare il file!"};

constexpr LocalizedEntry EnumerateTitle{
    "Enumerate",
    "Z\xE4" "hle",
    "Compte",
    "Conti"};

constexpr LocalizedEntry PrintTitle{
    "Print Directory List",
    "Verzeichnisliste drucken",
    "Impression de la liste des r\xE9" "pertoires",
    "Stampa lista directory"};

constexpr LocalizedEntry DeleteTitle{
    "Delete file",
    "Datei l\xF6" "schen",
    "Supprimer fichier",
    "Cancella file"};

constexpr LocalizedEntry ToUpperTitle{
    "ToUpper",
    "Gro\xDF" "buchstaben",
    "Haut de Casse",
    "Maiuscolo"};

constexpr LocalizedEntry ToLowerTitle{
    "ToLower",
    "Kleinbuchstaben",
    "Bas de Casse",
    "Minuscolo"};

constexpr LocalizedEntry SubstituteTitle{
    "Substitute",
    "Ersetze",
    "Substitue",
    "Sostituisca"};

constexpr LocalizedEntry CancelQuestion{
    "Cancel?",
    "Abbreche?",
    "Annuler?",
    "Cancella?"};

constexpr LocalizedEntry ErrorTitle{
    "Error",
    "Fehler",
    "Erreur",
    "Errore"};

constexpr LocalizedEntry ResultTitle{
    "Result",
    "Resultat",
    "R\xE9" "sultat",
    "Risultato"};

constexpr LocalizedEntry BackupTitle{
    "Backup",
    "Datensicherung",
    "Sauvegarde",
    "Backup"};

constexpr LocalizedEntry RestoreTitle{
    "Restore",
    "Wiederherstellen",
    "Restauration",
    "Ripristino del backup"};

constexpr LocalizedEntry InformationTitle{
    "Information",
    "Auskunft",
    "Information",
    "Informazione"};
// clang-format on

}  // namespace LocalizedText
