// The shell's file-type entries under HKEY_CLASSES_ROOT: the only code that
// touches them. Where the system refuses a write there (a standard user's,
// which would land in the machine's classes), the same entry is written
// under HKEY_CURRENT_USER\Software\Classes, which the classes root shows
// that user.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct IconLocation;

namespace FileTypeRegistry {

// The icon file shown when none is registered: a text, not a file name.
inline constexpr wchar_t kNoIconFile[] = L"none";

// The open command registered for the extension (".txt"), as stored, or
// "not registered".
std::wstring ReadOpenCommand(std::wstring_view extension);

// The icon registered for the extension, as stored (environment references
// unexpanded), or {"none", 0}.
IconLocation ReadDefaultIcon(std::wstring_view extension);

// Points the extension at its own ProgID ("txtfile" for ".txt") and registers
// "<application>" "%1" as its open command. Returns 0, or the error of the first
// registry call that failed (what was written before it stays). An empty
// application, or an extension that is not a dot and a name, writes nothing.
long WriteOpenCommand(std::wstring_view extension, std::wstring_view application);

// Points the extension at its own ProgID and registers "<file>,<index>" as its
// icon, with the same rules as WriteOpenCommand.
long WriteDefaultIcon(std::wstring_view extension, std::wstring_view iconFile, std::int32_t index);

// Tells the shell that file types changed, so icons and open commands take
// effect at once.
void NotifyShellOfChange();

}  // namespace FileTypeRegistry

// Points ".Backup" at this program (open command and archive icon); run at
// every start, so the entries follow the program file when it moves. The
// installer's step writes the same entries in the user's own classes.
enum class BackupTypeScope { ClassesRoot, UserClasses };
void RegisterBackupFileType(BackupTypeScope scope = BackupTypeScope::ClassesRoot);

// Takes back what RegisterBackupFileType and the installer wrote, in the
// classes root and in the user's own classes: the "Dorvex" type whole, and
// ".Backup" only while it still names that type (a user who gave it to
// another program keeps that).
void UnregisterBackupFileType();
