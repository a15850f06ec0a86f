#include "rename/substitute_dialog.h"

#include "app/current_language.h"
#include "framework/data_exchange.h"
#include "res/resource.h"

namespace {
constexpr std::size_t kMaxTextLength = 25;
}

SubstituteDialog::SubstituteDialog() : MappedDialog(TemplateIdFor(CurrentLanguage())) {}

int SubstituteDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_SUBSTITUTE_EN, IDD_SUBSTITUTE_DE, IDD_SUBSTITUTE_FR, IDD_SUBSTITUTE_IT);
}

const MessageMap<SubstituteDialog>& SubstituteDialog::GetMessageMap() {
  static constexpr MessageMap<SubstituteDialog> map{};
  return map;
}

// The edits start empty and unlimited: the length is checked only at OK.
BOOL SubstituteDialog::OnInitDialog() { return TRUE; }

void SubstituteDialog::DoDataExchange(DataExchange& exchange) {
  DDX_Text(exchange, IDC_SUBSTITUTE_ORIGINAL, m_strOriginal);
  DDV_MaxChars(exchange, m_strOriginal, kMaxTextLength);
  DDX_Text(exchange, IDC_SUBSTITUTE_NEW, m_strNew);
  DDV_MaxChars(exchange, m_strNew, kMaxTextLength);
}
