// The dialog templates and icons as this executable carries them, read back
// the way the dialogs and the shell use them.
#include "framework/unique_handles.h"
#include "res/resource.h"

#include <gmock/gmock.h>

#include <array>
#include <cstring>
#include <cwctype>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using ::testing::ElementsAre;

struct ControlTemplate {
  int id = 0;
  DWORD style = 0;
  std::array<short, 4> place{};  // x, y, width, height in dialog units
  std::wstring className;
  std::wstring text;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  std::wstring caption;
  std::wstring font;
  std::vector<ControlTemplate> controls;
};

// Reads the extended template format that the resource compiler writes.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

  template <typename T>
  T Read() {
    T value{};
    if (m_offset + sizeof(T) > m_size) throw std::runtime_error("template ends early");
    std::memcpy(&value, m_data + m_offset, sizeof(T));
    m_offset += sizeof(T);
    return value;
  }

  // A string, or 0xFFFF and an ordinal, which comes back as "#<number>".
  std::wstring ReadTextOrOrdinal() {
    const auto first = Read<WORD>();
    if (first == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
    std::wstring text;
    for (WCHAR c = static_cast<WCHAR>(first); c != 0; c = static_cast<WCHAR>(Read<WORD>())) text += c;
    return text;
  }

  void AlignToDword() { m_offset = (m_offset + 3) & ~size_t{3}; }
  void Skip(size_t bytes) { m_offset += bytes; }

 private:
  const BYTE* m_data;
  size_t m_size;
  size_t m_offset = 0;
};

std::wstring ClassName(const std::wstring& raw) {
  if (raw == L"#128") return L"button";
  if (raw == L"#129") return L"edit";
  if (raw == L"#130") return L"static";
  if (raw == L"#131") return L"listbox";
  std::wstring lower = raw;
  for (auto& c : lower) c = static_cast<wchar_t>(towlower(c));
  return lower;
}

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
  if (!resource) return std::nullopt;
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
  TemplateReader reader(data, SizeofResource(module, resource));

  DialogTemplate dialog;
  reader.Read<WORD>();  // version
  if (reader.Read<WORD>() != 0xFFFF) throw std::runtime_error("not an extended template");
  reader.Read<DWORD>();  // help id
  dialog.exStyle = reader.Read<DWORD>();
  dialog.style = reader.Read<DWORD>();
  const WORD count = reader.Read<WORD>();
  reader.Skip(4 * sizeof(short));
  reader.ReadTextOrOrdinal();  // menu
  reader.ReadTextOrOrdinal();  // class
  dialog.caption = reader.ReadTextOrOrdinal();
  if (dialog.style & DS_SETFONT) {
    reader.Read<WORD>();  // point size
    reader.Read<WORD>();  // weight
    reader.Read<WORD>();  // italic, character set
    dialog.font = reader.ReadTextOrOrdinal();
  }
  for (WORD i = 0; i < count; ++i) {
    reader.AlignToDword();
    ControlTemplate control;
    reader.Read<DWORD>();  // help id
    reader.Read<DWORD>();  // extended style
    control.style = reader.Read<DWORD>();
    for (short& value : control.place) value = reader.Read<short>();
    control.id = reader.Read<int>();
    control.className = ClassName(reader.ReadTextOrOrdinal());
    control.text = reader.ReadTextOrOrdinal();
    reader.Skip(reader.Read<WORD>());
    dialog.controls.push_back(control);
  }
  return dialog;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
  for (const auto& control : dialog.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

std::wstring ControlText(int templateId, int controlId) {
  const auto dialog = LoadDialogTemplate(templateId);
  if (!dialog) return L"<no template>";
  const auto* control = FindControl(*dialog, controlId);
  return control ? control->text : L"<no control>";
}

std::vector<int> ControlIds(const DialogTemplate& dialog) {
  std::vector<int> ids;
  for (const auto& control : dialog.controls) ids.push_back(control.id);
  return ids;
}

// English, German, French, Italian.
using LanguageTemplates = std::array<int, 4>;
const std::array<LanguageTemplates, 7> kTemplateFamilies = {{
    {IDD_MAIN_EN, IDD_MAIN_DE, IDD_MAIN_FR, IDD_MAIN_IT},
    {IDD_ABOUT_EN, IDD_ABOUT_DE, IDD_ABOUT_FR, IDD_ABOUT_IT},
    {IDD_PROGRESS_EN, IDD_PROGRESS_DE, IDD_PROGRESS_FR, IDD_PROGRESS_IT},
    {IDD_SUBSTITUTE_EN, IDD_SUBSTITUTE_DE, IDD_SUBSTITUTE_FR, IDD_SUBSTITUTE_IT},
    {IDD_ENUMERATE_EN, IDD_ENUMERATE_DE, IDD_ENUMERATE_FR, IDD_ENUMERATE_IT},
    {IDD_PROPERTIES_EN, IDD_PROPERTIES_DE, IDD_PROPERTIES_FR, IDD_PROPERTIES_IT},
    {IDD_RESTORE_EN, IDD_RESTORE_DE, IDD_RESTORE_FR, IDD_RESTORE_IT},
}};

TEST(ResourceTemplates, EveryLanguageHasTheSameControlsInTheSameOrder) {
  for (const auto& family : kTemplateFamilies) {
    const auto english = LoadDialogTemplate(family[0]);
    ASSERT_TRUE(english) << "template " << family[0];
    for (int id : family) {
      const auto translated = LoadDialogTemplate(id);
      ASSERT_TRUE(translated) << "template " << id;
      EXPECT_EQ(ControlIds(*translated), ControlIds(*english)) << "template " << id;
      EXPECT_EQ(translated->style, english->style) << "template " << id;
      EXPECT_EQ(translated->font, L"MS Sans Serif") << "template " << id;
      for (size_t i = 0; i < english->controls.size() && i < translated->controls.size(); ++i) {
        EXPECT_EQ(translated->controls[i].style, english->controls[i].style)
            << "template " << id << ", control " << english->controls[i].id;
      }
    }
  }
}

using Place = std::array<short, 4>;

TEST(ResourceTemplates, TranslatedPropertiesAndRestoreKeepTheEnglishPlaces) {
  // Italian widens the buttons and the group box of the icon column; the
  // other families keep every place.
  const std::vector<std::pair<int, Place>> italianProperties = {
      {IDC_PROPERTIES_CHANGE_APPLICATION, {225, 120, 55, 15}},
      {IDC_PROPERTIES_PREVIOUS_ICON, {230, 65, 45, 15}},
      {IDC_PROPERTIES_NEXT_ICON, {230, 15, 45, 15}},
      {IDC_PROPERTIES_ICON_GROUP, {225, 5, 55, 80}},
      {IDC_PROPERTIES_CHANGE_ICON_FILE, {225, 95, 55, 14}}};
  const auto english = LoadDialogTemplate(IDD_PROPERTIES_EN);
  for (int id : kTemplateFamilies[5]) {
    const auto translated = LoadDialogTemplate(id);
    for (size_t i = 0; i < translated->controls.size(); ++i) {
      Place expected = english->controls[i].place;
      if (id == IDD_PROPERTIES_IT)
        for (const auto& [control, wider] : italianProperties)
          if (control == translated->controls[i].id) expected = wider;
      EXPECT_EQ(translated->controls[i].place, expected) << "template " << id << ", control " << i;
    }
  }
  // Restore: the German and French ones are wider, but the folder line
  // keeps its place.
  for (int id : kTemplateFamilies[6]) {
    const auto restore = LoadDialogTemplate(id);
    EXPECT_EQ(restore->controls[0].place, (Place{5, 5, 275, 8})) << "template " << id;
    EXPECT_EQ(FindControl(*restore, IDC_RESTORE_SOURCE_FOLDER)->place, (Place{5, 15, 275, 14})) << id;
  }
}

TEST(ResourceTemplates, AccentedTextsReachTheScreenAsWritten) {
  EXPECT_EQ(ControlText(IDD_MAIN_DE, IDC_UPPER_CASE), L"Gro\u00DFbuchstaben");
  EXPECT_EQ(ControlText(IDD_MAIN_DE, IDC_ENUMERATE), L"Z\u00E4hle...");
  EXPECT_EQ(ControlText(IDD_MAIN_DE, IDC_HOME_PERSONAL), L"Pers\u00F6nlich");
  EXPECT_EQ(ControlText(IDD_PROPERTIES_DE, IDC_PROPERTIES_NEXT_ICON), L"N\u00E4chster");
  EXPECT_EQ(ControlText(IDD_PROPERTIES_DE, IDC_PROPERTIES_CHANGE_APPLICATION), L"\u00E4ndere...");
  EXPECT_EQ(ControlText(IDD_PROPERTIES_FR, IDC_PROPERTIES_PREVIOUS_ICON), L"Pr\u00E9c\u00E9dent");
  EXPECT_EQ(ControlText(IDD_PROPERTIES_FR, IDC_PROPERTIES_ICON_GROUP), L"Ic\u00F4ne");
  EXPECT_EQ(ControlText(IDD_LANGUAGE, IDC_LANGUAGE_FRENCH), L"Fran\u00E7ais");

  EXPECT_EQ(LoadDialogTemplate(IDD_ABOUT_DE)->caption, L"\u00DCber Dorvex");
  EXPECT_EQ(LoadDialogTemplate(IDD_ABOUT_FR)->caption, L"\u00C1 Propos de Dorvex ");
  EXPECT_EQ(LoadDialogTemplate(IDD_PROPERTIES_FR)->caption, L"Caract\u00E9ristiques");
  EXPECT_EQ(LoadDialogTemplate(IDD_PROPERTIES_IT)->caption, L"Propriet\u00E0");
  EXPECT_EQ(LoadDialogTemplate(IDD_MAIN_FR)->caption, L"Dorvex [fran\u00E7ais]");
  EXPECT_EQ(LoadDialogTemplate(IDD_ENUMERATE_DE)->caption, L"Z\u00E4hle");
}

TEST(ResourceTemplates, LanguageRadioGroupFollowsTheLanguageOrder) {
  const auto dialog = LoadDialogTemplate(IDD_LANGUAGE);
  ASSERT_TRUE(dialog);
  ASSERT_GE(dialog->controls.size(), 5u);
  std::vector<int> radios;
  for (size_t i = 0; i < 4; ++i) {
    const auto& control = dialog->controls[i];
    radios.push_back(control.id);
    EXPECT_EQ(control.style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON)) << control.id;
    EXPECT_EQ((control.style & WS_GROUP) != 0, i == 0) << control.id;
  }
  EXPECT_THAT(radios, ElementsAre(IDC_LANGUAGE_ENGLISH, IDC_LANGUAGE_GERMAN, IDC_LANGUAGE_FRENCH,
                                  IDC_LANGUAGE_ITALIAN));
  EXPECT_NE(dialog->controls[4].style & WS_GROUP, 0u) << "the control after the radios ends the group";
}

TEST(ResourceTemplates, WindowStylesMatchHowEachDialogIsShown) {
  for (int id : kTemplateFamilies[0]) {
    const auto main = LoadDialogTemplate(id);
    EXPECT_NE(main->exStyle & WS_EX_APPWINDOW, 0u) << id;
    EXPECT_NE(main->style & WS_VISIBLE, 0u) << id;
    EXPECT_NE(main->style & WS_MINIMIZEBOX, 0u) << id;
  }
  for (int id : kTemplateFamilies[2]) {
    const auto progress = LoadDialogTemplate(id);
    EXPECT_NE(progress->style & WS_VISIBLE, 0u) << id;
    EXPECT_EQ(progress->caption, L"") << id;
    EXPECT_EQ(FindControl(*progress, IDC_PROGRESS_BAR)->className, L"msctls_progress32") << id;
  }
  // Restore may ask for the archive before it shows itself.
  for (int id : kTemplateFamilies[6]) EXPECT_EQ(LoadDialogTemplate(id)->style & WS_VISIBLE, 0u) << id;
}

BOOL CALLBACK CollectGroupIcon(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(LOWORD(name));
  return TRUE;
}

TEST(ResourceIcons, ApplicationIconComesFirstAndArchiveIconSecond) {
  std::vector<int> ids;
  EnumResourceNamesW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(14), CollectGroupIcon,  // RT_GROUP_ICON
                     reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_GE(ids.size(), 2u);
  EXPECT_EQ(ids[0], IDI_APPLICATION_ICON);
  EXPECT_EQ(ids[1], IDI_ARCHIVE);
}

// The flag as drawn: one colour per pixel, or nothing where it is transparent.
class FlagPicture {
 public:
  explicit FlagPicture(int iconId) {
    const UniqueIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                                        IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    if (!icon) throw std::runtime_error("no icon " + std::to_string(iconId));
    ICONINFO info{};
    GetIconInfo(icon.get(), &info);
    m_colour = Bits(info.hbmColor);
    m_mask = Bits(info.hbmMask);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }

  bool Transparent(int x, int y) const { return (m_mask[Index(x, y)] & 0xFFFFFF) != 0; }
  COLORREF Colour(int x, int y) const {
    const DWORD bgr = m_colour[Index(x, y)];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }

 private:
  static size_t Index(int x, int y) { return static_cast<size_t>(y) * 32 + static_cast<size_t>(x); }

  static std::vector<DWORD> Bits(HBITMAP bitmap) {
    std::vector<DWORD> bits(32 * 32);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const UniqueWindowDC screen(nullptr);
    GetDIBits(screen.get(), bitmap, 0, 32, bits.data(), &format, DIB_RGB_COLORS);
    return bits;
  }

  std::vector<DWORD> m_colour;
  std::vector<DWORD> m_mask;
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

bool IsBlue(COLORREF colour) {
  return GetBValue(colour) >= 0x80 && GetRValue(colour) == 0 && GetGValue(colour) == 0;
}
bool IsGreen(COLORREF colour) {
  return GetGValue(colour) >= 0x80 && GetRValue(colour) == 0 && GetBValue(colour) == 0;
}

TEST(ResourceIcons, FlagsFillRowsSixToTwentyFourAndLeaveTheRestTransparent) {
  for (int id : {IDI_FLAG_ITALIAN, IDI_FLAG_FRENCH, IDI_FLAG_ENGLISH, IDI_FLAG_GERMAN}) {
    const FlagPicture flag(id);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        ASSERT_EQ(flag.Transparent(x, y), y < 6 || y > 24) << "icon " << id << " at " << x << "," << y;
      }
    }
  }
}

TEST(ResourceIcons, FlagsShowTheirBandsInOrder) {
  const FlagPicture italian(IDI_FLAG_ITALIAN);
  EXPECT_TRUE(IsGreen(italian.Colour(2, 15)));
  EXPECT_EQ(italian.Colour(16, 15), kWhite);
  EXPECT_EQ(italian.Colour(29, 15), kRed);

  const FlagPicture french(IDI_FLAG_FRENCH);
  EXPECT_EQ(french.Colour(2, 15), kRed);
  EXPECT_EQ(french.Colour(16, 15), kWhite);
  EXPECT_TRUE(IsBlue(french.Colour(29, 15)));

  const FlagPicture german(IDI_FLAG_GERMAN);
  EXPECT_EQ(german.Colour(16, 7), kBlack);
  EXPECT_EQ(german.Colour(16, 15), kRed);
  EXPECT_EQ(german.Colour(16, 23), kYellow);

  const FlagPicture english(IDI_FLAG_ENGLISH);
  EXPECT_TRUE(IsBlue(english.Colour(3, 8)));
  EXPECT_EQ(english.Colour(29, 6), kRed);
  EXPECT_EQ(english.Colour(29, 24), kRed);
  bool hasWhiteStripe = false;
  for (int y = 6; y <= 24; ++y) hasWhiteStripe = hasWhiteStripe || english.Colour(29, y) == kWhite;
  EXPECT_TRUE(hasWhiteStripe);
}

}  // namespace
