#include "rename/enumerate_dialog.h"

#include "app/current_language.h"
#include "framework/data_exchange.h"
#include "rename/numbered_name_rules.h"
#include "res/resource.h"

namespace {
constexpr std::size_t kMaxExtensionLength = 3;
constexpr std::size_t kMaxNewNameLength = 100;
constexpr std::uint32_t kLargestFirstNumber = 1000;

// Refused here, a part that no name could hold costs one message instead of
// one failed rename per listed file.
void CheckNamePart(DataExchange& exchange, int controlId, NamePartFault fault) {
  if (!exchange.Saving() || fault == NamePartFault::None) return;
  exchange.PrepareEdit(controlId);
  exchange.Fail(NamePartFaultText(fault));
}

}  // namespace

EnumerateDialog::EnumerateDialog() : MappedDialog(TemplateIdFor(CurrentLanguage())) {}

int EnumerateDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_ENUMERATE_EN, IDD_ENUMERATE_DE, IDD_ENUMERATE_FR, IDD_ENUMERATE_IT);
}

const MessageMap<EnumerateDialog>& EnumerateDialog::GetMessageMap() {
  static constexpr MessageMap<EnumerateDialog> map{};
  return map;
}

void EnumerateDialog::DoDataExchange(DataExchange& exchange) {
  DDX_Text(exchange, IDC_ENUMERATE_EXTENSION, m_strExtension);
  DDV_MaxChars(exchange, m_strExtension, kMaxExtensionLength);
  DDX_Text(exchange, IDC_ENUMERATE_NUMBER, m_nNumber);
  DDV_MinMaxUInt(exchange, m_nNumber, 0, kLargestFirstNumber);
  DDX_Text(exchange, IDC_ENUMERATE_NEW_NAME, m_strNewName);
  DDV_MaxChars(exchange, m_strNewName, kMaxNewNameLength);
  CheckNamePart(exchange, IDC_ENUMERATE_EXTENSION, ExtensionFault(m_strExtension));
  CheckNamePart(exchange, IDC_ENUMERATE_NEW_NAME, StemFault(m_strNewName));
}
