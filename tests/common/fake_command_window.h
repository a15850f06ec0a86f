// A stand-in for the main window, as a command sees it: a list of names in
// a folder, and a record of what the command asked of the window.
#pragma once
#include "app/command_window.h"

#include <string>
#include <utility>
#include <vector>

class FakeCommandWindow : public CommandWindow {
 public:
  FakeCommandWindow(std::string folder, std::vector<std::string> names)
      : m_folder(std::move(folder)), m_names(std::move(names)) {}

  HWND OwnerWindow() const override { return nullptr; }
  int MessageBox(std::string_view text, std::string_view, UINT) const override {
    m_messages.emplace_back(text);
    return IDOK;
  }
  void ShowFileError(std::string_view name, const FileException&, const char*) const override {
    m_messages.emplace_back(name);
  }
  int ListedFileCount() const override { return static_cast<int>(m_names.size()); }
  std::string ListedFileName(int position) const override {
    return m_names.at(static_cast<std::size_t>(position));
  }
  std::vector<int> SelectedFilePositions() const override { return {}; }
  std::optional<int> FocusedFilePosition() const override { return std::nullopt; }
  std::string ListedFolder() const override { return m_folder; }
  std::string TypedPattern() const override { return "*.*"; }
  std::string ListedPattern() const override { return "*.*"; }
  void Refresh() override {}
  void FillLists() override {}
  void EnableSelectionCommands(bool) override {}

  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  std::string m_folder;
  std::vector<std::string> m_names;
  mutable std::vector<std::string> m_messages;
};
