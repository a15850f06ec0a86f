// Shows one of the program's dialog templates with a do-nothing dialog
// procedure, so that a layout can be looked at (and screenshot) in any
// language without driving the program there.
//
//   DorvexPreview.exe <template-id>           shows it until it is closed
//   DorvexPreview.exe <template-id> --check   prints the controls whose text
//                                             is wider than the control and
//                                             exits with their count
#include "framework/unique_handles.h"
#include "res/resource.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr UINT kRunCheck = WM_APP + 1;

// RT_DIALOG is an integer resource type; only its pointer type differs by form.
const LPCWSTR kDialogResourceType = reinterpret_cast<LPCWSTR>(RT_DIALOG);

struct PreviewOptions {
  int templateId = 0;
  bool check = false;
};

std::optional<int> ParseTemplateId(std::string_view text) {
  int value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || stop != end || value <= 0 || value > 0xFFFF) return std::nullopt;
  return value;
}

std::optional<PreviewOptions> ParseArguments(int argc, char** argv) {
  PreviewOptions options;
  bool haveId = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--check") {
      options.check = true;
    } else if (const auto id = ParseTemplateId(argument); id && !haveId) {
      options.templateId = *id;
      haveId = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveId) return std::nullopt;
  return options;
}

bool IsProgressTemplate(int id) {
  return id == IDD_PROGRESS_EN || id == IDD_PROGRESS_DE || id == IDD_PROGRESS_FR || id == IDD_PROGRESS_IT;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
  result.resize(result.size() - 1);
  return result;
}

// Pixels that a control's own drawing keeps from its text (frames, the
// check mark, a group box's indent); what is left must hold the text.
int TextMargin(const std::wstring& className, LONG style) {
  if (className != L"Button") return 0;
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case BS_GROUPBOX:
      return 16;
    default:
      return 8;
  }
}

bool HoldsText(const std::wstring& className, LONG style) {
  if (className == L"Button") return true;
  if (className != L"Static") return false;
  const LONG kind = style & SS_TYPEMASK;
  return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_LEFTNOWORDWRAP ||
         kind == SS_SIMPLE;
}

struct Overflow {
  int id;
  std::string text;
  int needed;
  int available;
};

std::vector<Overflow> FindOverflows(HWND dialog) {
  std::vector<Overflow> overflows;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring className = ClassName(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const std::wstring text = WindowText(child);
    if (text.empty() || !HoldsText(className, style)) continue;

    UniqueWindowDC dc(child);
    ScopedSelectObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    RECT client{};
    GetClientRect(child, &client);
    const int available = client.right - TextMargin(className, style);
    if (extent.right > available) {
      overflows.push_back({GetDlgCtrlID(child), Utf8(text), static_cast<int>(extent.right), available});
    }
  }
  return overflows;
}

INT_PTR CALLBACK PreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& options = *reinterpret_cast<const PreviewOptions*>(lParam);
      // The program sets the progress window's caption at run time; show a
      // typical one instead of the template's empty caption.
      if (IsProgressTemplate(options.templateId)) SetWindowTextW(dialog, L"Backup");
      if (options.check) PostMessageW(dialog, kRunCheck, 0, 0);
      return TRUE;
    }
    case kRunCheck: {
      const std::vector<Overflow> overflows = FindOverflows(dialog);
      for (const Overflow& overflow : overflows) {
        std::printf("control %d \"%s\": text %d px, room %d px\n", overflow.id, overflow.text.c_str(),
                    overflow.needed, overflow.available);
      }
      std::printf("%zu control(s) too narrow for their text\n", overflows.size());
      std::fflush(stdout);
      EndDialog(dialog, static_cast<INT_PTR>(overflows.size()));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::optional<PreviewOptions> options = ParseArguments(__argc, __argv);
  if (!options) {
    MessageBoxW(nullptr, L"Usage: DorvexPreview <template-id> [--check]", L"DorvexPreview", MB_ICONERROR);
    return 2;
  }
  if (!FindResourceW(instance, MAKEINTRESOURCEW(options->templateId), kDialogResourceType)) {
    const std::wstring text = L"There is no dialog template " + std::to_wstring(options->templateId) + L".";
    MessageBoxW(nullptr, text.c_str(), L"DorvexPreview", MB_ICONERROR);
    return 2;
  }

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(options->templateId), nullptr,
                                         PreviewProc, reinterpret_cast<LPARAM>(&*options));
  if (result == -1) {
    const DWORD error = GetLastError();
    std::fprintf(stderr, "DialogBoxParam failed with error %lu\n", error);
    return 3;
  }
  return options->check ? static_cast<int>(result) : 0;
}
