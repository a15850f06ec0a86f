#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/language_id.h"

// One message or title in the four languages, in LanguageId order. The
// consteval constructor turns a text with a NUL inside into a compile error.
class LocalizedEntry {
 public:
  template <std::size_t N0, std::size_t N1, std::size_t N2, std::size_t N3>
  consteval LocalizedEntry(const char (&english)[N0], const char (&german)[N1], const char (&french)[N2],
                           const char (&italian)[N3])
      : m_rows{std::string_view(english, N0 - 1), std::string_view(german, N1 - 1),
               std::string_view(french, N2 - 1), std::string_view(italian, N3 - 1)} {
    for (std::string_view row : m_rows)
      if (row.find('\0') != std::string_view::npos) throw "text holds a NUL byte";
  }

  constexpr std::string_view Row(LanguageId language) const {
    return m_rows[IsKnown(language) ? language : Language::English];
  }

 private:
  static constexpr bool IsKnown(LanguageId language) { return language >= 0 && language < Language::Count; }

  std::array<std::string_view, Language::Count> m_rows;
};

// The text of an entry in the given language, converted from code page 1252
// (never through the system's code page, which may be another), so that it
// shows its own letters on every system; any value outside 0..3 gives the
// English text.
std::wstring Text(const LocalizedEntry& entry, LanguageId language);

// Code page 1252 bytes, as stored; "%s" and "%d" are filled by the caller.
namespace LocalizedText {
extern const LocalizedEntry NoFilesMatchedPrint;
extern const LocalizedEntry NoFilesMatchedBackup;
extern const LocalizedEntry BackupComplete;
extern const LocalizedEntry ArchiveReadError;
extern const LocalizedEntry ConfirmDelete;
extern const LocalizedEntry OpenFileError;
extern const LocalizedEntry NotABackupFile;
extern const LocalizedEntry ItemsRestored;
extern const LocalizedEntry AboutMenuItem;
extern const LocalizedEntry LanguageMenuItem;
extern const LocalizedEntry LanguageChanged;
extern const LocalizedEntry NoIconsInFile;
extern const LocalizedEntry OpenOrCreateError;
extern const LocalizedEntry EnumerateTitle;
extern const LocalizedEntry PrintTitle;
extern const LocalizedEntry DeleteTitle;
extern const LocalizedEntry ToUpperTitle;
extern const LocalizedEntry ToLowerTitle;
extern const LocalizedEntry SubstituteTitle;
extern const LocalizedEntry CancelQuestion;
extern const LocalizedEntry ErrorTitle;
extern const LocalizedEntry ResultTitle;
extern const LocalizedEntry BackupTitle;
extern const LocalizedEntry RestoreTitle;
extern const LocalizedEntry InformationTitle;
}  // namespace LocalizedText
