// Asks for the stem, the first number and the extension of the numbered
// names that Enumerate gives the listed files.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

#include <cstdint>
#include <string>

class EnumerateDialog : public MappedDialog<EnumerateDialog> {
 public:
  EnumerateDialog();
  static int TemplateIdFor(LanguageId language);

  std::wstring m_strExtension;
  std::uint32_t m_nNumber = 0;
  std::wstring m_strNewName;

 protected:
  void DoDataExchange(DataExchange& exchange) override;

 private:
  friend class MappedDialog<EnumerateDialog>;
  static const MessageMap<EnumerateDialog>& GetMessageMap();
};
