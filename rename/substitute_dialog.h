// Asks for the text to look for in the selected names and the text to put in
// its place. It renames nothing itself.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

#include <string>

class SubstituteDialog : public MappedDialog<SubstituteDialog> {
 public:
  SubstituteDialog();
  static int TemplateIdFor(LanguageId language);

  std::wstring m_strOriginal;
  std::wstring m_strNew;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(DataExchange& exchange) override;

 private:
  friend class MappedDialog<SubstituteDialog>;
  static const MessageMap<SubstituteDialog>& GetMessageMap();
};
