#include "framework/print_dialog.h"

UniqueCreatedDC ChoosePrinter(HWND owner) {
  PRINTDLGW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  request.nCopies = 1;

  const BOOL chosen = PrintDlgW(&request);
  // The dialog hands out its device mode and names even when it returns no
  // device context; they are ours to free either way.
  const UniqueGlobalMemory deviceMode(request.hDevMode);
  const UniqueGlobalMemory deviceNames(request.hDevNames);
  UniqueCreatedDC printer(request.hDC);
  if (!chosen) printer.reset();
  return printer;
}
