// The file-type entries against the real registry of the test prefix. Every
// test uses extensions of its own and removes what it made.
#include "filetypes/file_type_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "class_registry.h"
#include "filetypes/icon_value.h"

using namespace FileTypeRegistry;

namespace {

// What the platform's own registry tool shows for a key's default value:
// {type, data}, or nothing when it finds none.
struct RegQueryLine {
  std::string type;
  std::string data;
};

std::optional<RegQueryLine> RegQueryDefaultValue(const std::string& keyPath) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  // Large enough for the whole answer: the tool never waits for the reader.
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16)) return std::nullopt;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string commandLine = "reg.exe query \"" + keyPath + "\" /ve";
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    ADD_FAILURE() << "reg.exe did not start: " << GetLastError();
    return std::nullopt;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  std::string output;
  DWORD available = 0;
  while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD got = 0;
    if (!ReadFile(readEnd, chunk.data(), available, &got, nullptr) || got == 0) break;
    output.append(chunk, 0, got);
  }
  CloseHandle(readEnd);

  // "    (Default)    REG_SZ    data"
  const std::string marker = "(Default)    ";
  const std::size_t start = output.find(marker);
  if (start == std::string::npos) return std::nullopt;
  const std::size_t typeStart = start + marker.size();
  const std::size_t typeEnd = output.find("    ", typeStart);
  const std::size_t lineEnd = output.find_first_of("\r\n", typeStart);
  if (typeEnd == std::string::npos || typeEnd > lineEnd)
    return RegQueryLine{output.substr(typeStart, lineEnd - typeStart), ""};
  return RegQueryLine{output.substr(typeStart, typeEnd - typeStart),
                      output.substr(typeEnd + 4, lineEnd - (typeEnd + 4))};
}

// Tests run in parallel: each names the keys it uses, which are removed
// before and after it.
class FileTypeRegistryTest : public testing::Test {
 protected:
  void UseKeys(std::initializer_list<const char*> names) {
    m_keys.assign(names.begin(), names.end());
    DeleteKeys();
  }
  void TearDown() override { DeleteKeys(); }

 private:
  void DeleteKeys() const {
    for (const std::string& name : m_keys) RegDeleteTreeA(HKEY_CLASSES_ROOT, name.c_str());
  }
  std::vector<std::string> m_keys;
};

TEST_F(FileTypeRegistryTest, ReadsThroughAnotherProgIdThenAWriteRepointsTheExtension) {
  UseKeys({".dvxabc", "DvxAbcEdit.Document", "dvxabcfile"});
  SetClassValue(".dvxabc", "DvxAbcEdit.Document");
  SetClassValue("DvxAbcEdit.Document\\Shell\\Open\\Command", "c:\\abc\\abcedit.exe \"%1\"");
  SetClassValue("DvxAbcEdit.Document\\DefaultIcon", "c:\\abc\\abcedit.exe,3");

  EXPECT_EQ(ReadOpenCommand(L".dvxabc"), L"c:\\abc\\abcedit.exe \"%1\"");
  EXPECT_EQ(ReadDefaultIcon(L".dvxabc"), (IconLocation{L"c:\\abc\\abcedit.exe", 3}));

  EXPECT_EQ(WriteDefaultIcon(L".dvxabc", L"c:\\icons\\new.ico", 0), 0);
  EXPECT_EQ(ClassValue(".dvxabc"), "dvxabcfile");
  EXPECT_EQ(ReadDefaultIcon(L".dvxabc"), (IconLocation{L"c:\\icons\\new.ico", 0}));
  // Only the icon was written below the new type: the former command no longer applies.
  EXPECT_EQ(ReadOpenCommand(L".dvxabc"), L"not registered");
  EXPECT_FALSE(ClassKeyExists("dvxabcfile\\Shell"));
  // The former type itself is left as it was.
  EXPECT_EQ(ClassValue("DvxAbcEdit.Document\\Shell\\Open\\Command"), "c:\\abc\\abcedit.exe \"%1\"");
}

TEST_F(FileTypeRegistryTest, IconValuesComeBackAsStored) {
  UseKeys({".dvxicon", "DvxIconType"});
  SetClassValue(".dvxicon", "DvxIconType");
  const struct {
    const char* stored;
    IconLocation read;
  } cases[] = {
      {"c:\\icons\\a.ico", {L"c:\\icons\\a.ico", 0}},
      {"icons.dll,-154", {L"icons.dll", -154}},
      {"a.dll,x", {L"a.dll", 0}},
      {"a,b,3", {L"a", 0}},
      {"%SystemRoot%\\system32\\shell32.dll,4", {L"%SystemRoot%\\system32\\shell32.dll", 4}},
  };
  for (const auto& c : cases) {
    SetClassValue("DvxIconType\\DefaultIcon", c.stored);
    EXPECT_EQ(ReadDefaultIcon(L".dvxicon"), c.read) << c.stored;
  }
}

TEST_F(FileTypeRegistryTest, AnExpandableValueIsNotExpanded) {
  UseKeys({".dvxexp", "DvxExpType"});
  SetClassValue(".dvxexp", "DvxExpType");
  const std::string value = "%SystemRoot%\\notepad.exe,1";
  ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, "DvxExpType\\DefaultIcon", nullptr, REG_EXPAND_SZ,
                            value.c_str(), static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
  EXPECT_EQ(ReadDefaultIcon(L".dvxexp"), (IconLocation{L"%SystemRoot%\\notepad.exe", 1}));
}

TEST_F(FileTypeRegistryTest, WritesWhatThePlatformsRegistryToolReadsBack) {
  UseKeys({".dvxtxt", "dvxtxtfile"});
  EXPECT_EQ(WriteOpenCommand(L".dvxtxt", L"c:\\bin\\edit.exe"), 0);
  EXPECT_EQ(WriteDefaultIcon(L".dvxtxt", L"c:\\bin\\edit.exe", 2), 0);

  const auto extension = RegQueryDefaultValue("HKCR\\.dvxtxt");
  ASSERT_TRUE(extension);
  EXPECT_EQ(extension->type, "REG_SZ");
  EXPECT_EQ(extension->data, "dvxtxtfile");

  const auto command = RegQueryDefaultValue("HKCR\\dvxtxtfile\\Shell\\Open\\Command");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->type, "REG_SZ");
  EXPECT_EQ(command->data, "\"c:\\bin\\edit.exe\" \"%1\"");

  const auto icon = RegQueryDefaultValue("HKCR\\dvxtxtfile\\DefaultIcon");
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->type, "REG_SZ");
  EXPECT_EQ(icon->data, "c:\\bin\\edit.exe,2");

  // And what was written reads back through the program's own reads.
  EXPECT_EQ(ReadOpenCommand(L".dvxtxt"), L"\"c:\\bin\\edit.exe\" \"%1\"");
  EXPECT_EQ(ReadDefaultIcon(L".dvxtxt"), (IconLocation{L"c:\\bin\\edit.exe", 2}));
}

TEST_F(FileTypeRegistryTest, APathBeyondTheCodePageIsStoredAsItIs) {
  UseKeys({".dvxwide", "dvxwidefile"});
  EXPECT_EQ(WriteOpenCommand(L".dvxwide", L"c:\\ツール\\Łódź.exe"), 0);
  EXPECT_EQ(ClassValue(L"dvxwidefile\\Shell\\Open\\Command"), L"\"c:\\ツール\\Łódź.exe\" \"%1\"");
}

TEST_F(FileTypeRegistryTest, EmptyInputsWriteNothing) {
  UseKeys({".dvxempty", "dvxemptyfile"});
  EXPECT_EQ(WriteOpenCommand(L"", L"c:\\bin\\edit.exe"), 0);
  EXPECT_EQ(WriteDefaultIcon(L"", L"c:\\bin\\edit.exe", 1), 0);
  EXPECT_EQ(WriteOpenCommand(L".dvxempty", L""), 0);
  EXPECT_EQ(WriteDefaultIcon(L".dvxempty", L"", 1), 0);
  EXPECT_FALSE(ClassKeyExists(".dvxempty"));
  EXPECT_FALSE(ClassKeyExists("dvxemptyfile"));
}

TEST_F(FileTypeRegistryTest, AnExtensionWithoutItsDotIsNeitherReadNorWritten) {
  UseKeys({"dvxnodot", "DvxNoDotType", "vxnodotfile", ".dvx"});
  SetClassValue("dvxnodot", "DvxNoDotType");
  SetClassValue("DvxNoDotType\\Shell\\Open\\Command", "c:\\abc\\abcedit.exe %1");
  EXPECT_EQ(ReadOpenCommand(L"dvxnodot"), L"not registered");
  EXPECT_EQ(WriteOpenCommand(L"dvxnodot", L"c:\\bin\\edit.exe"), 0);
  EXPECT_EQ(WriteOpenCommand(L".", L"c:\\bin\\edit.exe"), 0);
  EXPECT_EQ(WriteDefaultIcon(L".dvx\\Shell", L"c:\\bin\\edit.exe", 0), 0);
  EXPECT_EQ(ClassValue("dvxnodot"), "DvxNoDotType");
  EXPECT_FALSE(ClassKeyExists("vxnodotfile"));
  // A lone dot would have made the type "file", which the platform already uses.
  EXPECT_FALSE(ClassKeyExists("file\\Shell"));
  EXPECT_FALSE(ClassKeyExists(".dvx"));
}

TEST_F(FileTypeRegistryTest, MissingEntriesGiveTheFallbacks) {
  UseKeys({".dvxvoid", ".dvxpart", "DvxPartType"});
  EXPECT_EQ(ReadOpenCommand(L".dvxvoid"), L"not registered");
  EXPECT_EQ(ReadDefaultIcon(L".dvxvoid"), (IconLocation{L"none", 0}));

  // A type that exists but has neither entry, or only part of the command's keys.
  SetClassValue(".dvxpart", "DvxPartType");
  SetClassValue("DvxPartType\\Shell\\Open", "open");
  EXPECT_EQ(ReadOpenCommand(L".dvxpart"), L"not registered");
  EXPECT_EQ(ReadDefaultIcon(L".dvxpart"), (IconLocation{L"none", 0}));

  // An extension naming an empty type.
  SetClassValue(".dvxvoid", "");
  EXPECT_EQ(ReadOpenCommand(L".dvxvoid"), L"not registered");
  EXPECT_EQ(ReadDefaultIcon(L".dvxvoid"), (IconLocation{L"none", 0}));
}

TEST_F(FileTypeRegistryTest, AValueOfAnyLengthIsReadWhole) {
  UseKeys({".dvxlong", "DvxLongType"});
  SetClassValue(".dvxlong", "DvxLongType");
  SetClassValue("DvxLongType\\Shell\\Open\\Command", std::string(5000, 'z') + " %1");
  EXPECT_EQ(ReadOpenCommand(L".dvxlong"), std::wstring(5000, L'z') + L" %1");
  SetClassValue("DvxLongType\\DefaultIcon", std::string(3000, 'z') + ",1");
  EXPECT_EQ(ReadDefaultIcon(L".dvxlong"), (IconLocation{std::wstring(3000, L'z'), 1}));
}

}  // namespace
