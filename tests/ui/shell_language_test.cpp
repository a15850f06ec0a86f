// The four languages as the user sees them, the About box, and changing the
// stored language from the system menu.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "app/localized_text.h"
#include "res/resource.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "ui/main_dialog.h"
#include "user_sim.h"
#include "wide_text.h"

using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

struct LanguageLook {
  LanguageId language;
  const char* title;
  const char* upperCaseButton;
  const char* personalButton;
  const char* exitButton;
  const char* aboutMenuItem;
  const char* aboutTitle;
};

// Code page 1252 bytes, as the window texts come back.
const LanguageLook kLooks[] = {
    {Language::English, "Dorvex [English]", "Set Upper Case", "Personal", "Exit", "About Dorvex...",
     "About Dorvex"},
    {Language::German, "Dorvex [Deutsch]",
     "Gro\xDF"
     "buchstaben",
     "Pers\xF6"
     "nlich",
     "Beenden",
     "\xDC"
     "ber Dorvex...",
     "\xDC"
     "ber Dorvex"},
    {Language::French,
     "Dorvex [fran\xE7"
     "ais]",
     "Haut de Casse", "Personnel", "Quitter", "\xC1 Propos de Dorvex...", "\xC1 Propos de Dorvex "},
    {Language::Italian, "Dorvex [Italiano]", "Maiuscolo", "Personale", "Esci", "Informazioni su Dorvex...",
     "Informazioni su Dorvex"},
    // A stored value that names no language gives English everywhere.
    {7, "Dorvex [English]", "Set Upper Case", "Personal", "Exit", "About Dorvex...", "About Dorvex"},
};

std::wstring SystemMenuText(HWND window, UINT command) {
  wchar_t text[256] = {};
  GetMenuStringW(GetSystemMenu(window, FALSE), command, text, std::size(text), MF_BYCOMMAND);
  return text;
}

// The box that tells of a stored language, in the running language.
void ExpectLanguageChanged(const User& user, std::string_view title, LanguageId running) {
  const auto box = user.WaitForMessageBox(title);
  EXPECT_EQ(box.wideText, Text(LocalizedText::LanguageChanged, running));
  user.Answer(box, IDOK);
}

class LanguageLookTest : public testing::TestWithParam<LanguageLook> {
 protected:
  FakeProfile m_profile;
};

TEST_P(LanguageLookTest, MainWindowAndAboutBoxSpeakTheLanguage) {
  const LanguageLook& look = GetParam();
  SetCurrentLanguage(look.language);
  MainDialog dialog;
  RunUserScenario(
      [&](User& user) {
        HWND window = user.WaitForDialog(look.title);
        EXPECT_EQ(user.Text(window, IDC_UPPER_CASE), look.upperCaseButton);
        EXPECT_EQ(user.Text(window, IDC_HOME_PERSONAL), look.personalButton);
        EXPECT_EQ(user.Text(window, IDCANCEL), look.exitButton);
        EXPECT_EQ(SystemMenuText(window, IDM_SYS_ABOUT), Wide(look.aboutMenuItem));
        EXPECT_EQ(SystemMenuText(window, IDM_SYS_LANGUAGE),
                  Text(LocalizedText::LanguageMenuItem, look.language));

        user.SystemMenuCommand(window, IDM_SYS_ABOUT);
        HWND about = user.WaitForDialog(look.aboutTitle);
        user.Click(about, IDOK);
        user.WaitUntilGone(about);
        user.SystemMenuCommand(window, IDM_SYS_ABOUT);
        about = user.WaitForDialog(look.aboutTitle);
        user.PressEscape(about);
        user.WaitUntilGone(about);
        user.Click(window, IDCANCEL);
      },
      [&] { dialog.DoModal(); });
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageLookTest, testing::ValuesIn(kLooks),
                         [](const auto& info) { return "Language" + std::to_string(info.param.language); });

class LanguageChangeTest : public testing::Test {
 protected:
  // Runs the main window in `running`, asks for a language change and lets
  // `answer` deal with the language dialog.
  void ChangeLanguage(LanguageId running, const std::function<void(User&, HWND, HWND)>& answer) {
    SetCurrentLanguage(running);
    MainDialog dialog;
    RunUserScenario(
        [&](User& user) {
          HWND window = user.WaitForDialog(kLooks[running].title);
          user.SystemMenuCommand(window, IDM_SYS_LANGUAGE);
          HWND choice = user.WaitForDialog("Language");
          answer(user, window, choice);
          EXPECT_EQ(user.Text(window), kLooks[running].title) << "the running window keeps its language";
          user.Click(window, IDCANCEL);
        },
        [&] { dialog.DoModal(); });
  }

  FakeProfile m_profile;
};

TEST_F(LanguageChangeTest, ChoosingItalianStoresItAndSaysSoInTheRunningLanguage) {
  StoreLanguage(Language::English);
  ChangeLanguage(Language::English, [](User& user, HWND, HWND choice) {
    EXPECT_TRUE(user.IsChecked(choice, IDC_LANGUAGE_ENGLISH));
    EXPECT_FALSE(user.IsChecked(choice, IDC_LANGUAGE_ITALIAN));
    user.Click(choice, IDC_LANGUAGE_ITALIAN);
    user.Click(choice, IDOK);
    const auto box = user.ExpectMessageBox(
        "Information",
        "A new environment language has been installed.\nYou must exit and restart Dorvex for the change to "
        "take effect.");
    EXPECT_EQ(box.icon, MessageBoxIcon::Information);
  });
  EXPECT_EQ(StoredLanguage(), Language::Italian);
}

TEST_F(LanguageChangeTest, GermanRunSaysSoInGermanWhateverIsChosen) {
  StoreLanguage(Language::German);
  ChangeLanguage(Language::German, [](User& user, HWND, HWND choice) {
    EXPECT_TRUE(user.IsChecked(choice, IDC_LANGUAGE_GERMAN));
    user.Click(choice, IDC_LANGUAGE_FRENCH);
    user.Click(choice, IDOK);
    ExpectLanguageChanged(user, "Auskunft", Language::German);
  });
  EXPECT_EQ(StoredLanguage(), Language::French);
}

TEST_F(LanguageChangeTest, OkWithoutAChangeStoresTheSameValueAndStillTells) {
  StoreLanguage(Language::French);
  ChangeLanguage(Language::English, [](User& user, HWND, HWND choice) {
    EXPECT_TRUE(user.IsChecked(choice, IDC_LANGUAGE_FRENCH));
    user.Click(choice, IDOK);
    ExpectLanguageChanged(user, "Information", Language::English);
  });
  EXPECT_EQ(StoredLanguage(), Language::French);
}

TEST_F(LanguageChangeTest, CancelStoresNothingAndSaysNothing) {
  StoreLanguage(Language::Italian);
  ChangeLanguage(Language::English, [](User& user, HWND window, HWND choice) {
    user.Click(choice, IDC_LANGUAGE_GERMAN);
    user.Click(choice, IDCANCEL);
    user.WaitUntilGone(choice);
    user.Settle(window);
    EXPECT_EQ(user.FindWindowTitled("Information"), nullptr);
  });
  EXPECT_EQ(StoredLanguage(), Language::Italian);
}

TEST_F(LanguageChangeTest, AStoredValueThatNamesNoLanguageOffersEnglish) {
  StoreLanguage(9);
  ChangeLanguage(Language::English, [](User& user, HWND, HWND choice) {
    EXPECT_TRUE(user.IsChecked(choice, IDC_LANGUAGE_ENGLISH));
    user.Click(choice, IDOK);
    ExpectLanguageChanged(user, "Information", Language::English);
  });
  EXPECT_EQ(StoredLanguage(), Language::English);
}

}  // namespace
