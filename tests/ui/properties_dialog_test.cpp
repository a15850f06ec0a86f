// The Properties dialog as a user meets it: a double-click on a listed file,
// what the dialog shows, browsing the icons, and what OK and Cancel leave in
// the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "app/current_language.h"
#include "class_registry.h"
#include "filetypes/properties_dialog.h"
#include "framework/unique_handles.h"
#include "local_file_time.h"
#include "program_process.h"
#include "res/resource.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "ui/main_dialog.h"
#include "user_sim.h"
#include "wide_text.h"

using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

constexpr char kMainTitle[] = "Dorvex [English]";
constexpr char kNoIcons[] = "The file does not contain any icons.\nTry selecting another file.";

std::string Lowered(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::optional<ULONGLONG> KeyLastWriteTime(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  FILETIME written{};
  const LONG result = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, &written);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

// The platform's own count of the icons in a file.
int PlatformIconCount(const std::string& file) {
  return static_cast<int>(reinterpret_cast<UINT_PTR>(
      ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(-1))));
}

// The Icon group's caption once the dialog's first drawing has replaced the
// template's "Icon" (the dialog shows before it paints).
std::string DrawnIconCaption(const User& user, HWND dialog) {
  std::string previous;
  for (int attempt = 0; attempt < 750; ++attempt) {
    const std::string caption = user.Text(dialog, IDC_PROPERTIES_ICON_GROUP);
    if (caption != "Icon" && caption == previous) return caption;
    previous = caption;
    Sleep(20);
  }
  return previous;
}

int VisibleErrorBoxes(const User& user) {
  int count = 0;
  for (const auto& window : user.TopLevelWindows())
    if (window.visible && window.className == "#32770" && window.title == "Error") ++count;
  return count;
}

constexpr const char* kTestClassKeys[] = {".dvxknown",   "dvxknownfile",  ".dvxnone",      "dvxnonefile",
                                          ".dvxbrowse",  "DvxBrowseType", "dvxbrowsefile", ".dvxboth",
                                          "dvxbothfile", ".dvxcancel",    "dvxcancelfile", "README",
                                          "EADMEfile",   ".dvxdpi",       "dvxdpifile",    ".dvxhere",
                                          "dvxherefile", ".dvxsystem",    "dvxsystemfile"};

class PropertiesTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(Language::English);
    DeleteTestKeys();
  }
  void TearDown() override { DeleteTestKeys(); }

  static void DeleteTestKeys() {
    for (const char* name : kTestClassKeys) RegDeleteTreeA(HKEY_CLASSES_ROOT, name);
  }

  // An extension whose icon is the program file's icon `index`.
  static void RegisterIcon(const std::string& extension, const std::string& progId, int index) {
    SetClassValue(extension, progId);
    SetClassValue(progId + "\\DefaultIcon", usersim::DorvexExePath() + "," + std::to_string(index));
  }

  // Runs the main window on the Desktop; the user double-clicks `name` and
  // goes on with the script; the main window is closed afterwards.
  void RunOnListedFile(const std::string& name, const std::function<void(User&, HWND main)>& script) {
    MainDialog main;
    RunUserScenario(
        [&](User& user) {
          HWND window = user.WaitForDialog(kMainTitle);
          user.DoubleClickListItem(window, IDC_FILE_LIST, name);
          script(user, window);
          user.Click(window, IDCANCEL);
        },
        [&] { main.DoModal(); });
  }

  FakeProfile m_profile;
  TempFolder m_desktop{m_profile.Desktop()};
  const std::string m_program = usersim::DorvexExePath();
};

TEST_F(PropertiesTest, ShowsAKnownFilesAttributesSizeAndTimes) {
  const auto path = m_desktop.Write("Known.dvxknown", std::string(12345, 'k'));
  {
    HANDLE file =
        CreateFileA(path.string().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const FILETIME lastWrite = FileTimeAtLocal(1997, 3, 5, 14, 15);
    const FILETIME lastAccess = FileTimeAtLocal(2003, 12, 1, 9, 7);
    ASSERT_TRUE(SetFileTime(file, nullptr, &lastAccess, &lastWrite));
    CloseHandle(file);
  }
  ASSERT_TRUE(SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  RegisterIcon(".dvxknown", "dvxknownfile", 0);
  SetClassValue("dvxknownfile\\Shell\\Open\\Command", "c:\\tools\\viewer.exe %1");

  RunOnListedFile("Known.dvxknown", [&](User& user, HWND) {
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(Lowered(user.Text(dialog, IDC_PROPERTIES_FILE_NAME)), "known.dvxknown");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_SIZE), "12345");
    // "Last accessed" shows the last write, "Last read" the last access.
    EXPECT_EQ(Lowered(user.Text(dialog, IDC_PROPERTIES_LAST_ACCESSED)), "mar 05,97 02:15");
    EXPECT_EQ(Lowered(user.Text(dialog, IDC_PROPERTIES_LAST_READ)), "dec 01,03 09:07");
    EXPECT_FALSE(user.Text(dialog, IDC_PROPERTIES_CREATED).empty());
    EXPECT_TRUE(user.IsChecked(dialog, IDC_PROPERTIES_READ_ONLY));
    EXPECT_TRUE(user.IsChecked(dialog, IDC_PROPERTIES_ARCHIVE));
    EXPECT_FALSE(user.IsChecked(dialog, IDC_PROPERTIES_HIDDEN));
    EXPECT_FALSE(user.IsChecked(dialog, IDC_PROPERTIES_SYSTEM));
    EXPECT_FALSE(user.IsEnabled(dialog, IDC_PROPERTIES_READ_ONLY));
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_APPLICATION), "c:\\tools\\viewer.exe %1");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_FILE), Lowered(m_program));
    EXPECT_EQ(DrawnIconCaption(user, dialog), "1 of " + std::to_string(PlatformIconCount(m_program)));
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
  SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The display scale of the prefix (Wine reads it when a process starts), put
// back as it was when the test ends, however it ends.
class DisplayScale {
 public:
  explicit DisplayScale(DWORD dpi) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS)
      m_previous = value;
    Store(dpi);
  }
  ~DisplayScale() {
    if (m_previous) {
      Store(*m_previous);
    } else {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, kValue);
    }
  }
  DisplayScale(const DisplayScale&) = delete;
  DisplayScale& operator=(const DisplayScale&) = delete;

 private:
  static constexpr char kKey[] = "Control Panel\\Desktop";
  static constexpr char kValue[] = "LogPixels";
  static void Store(DWORD dpi) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &dpi, sizeof dpi);
  }
  std::optional<DWORD> m_previous;
};

// A control's rectangle in its dialog's client pixels.
RECT ClientRectOf(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The dialog's client area as it is on the screen, one colour per pixel.
class ClientPicture {
 public:
  explicit ClientPicture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    m_pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
    const UniqueWindowDC screen(nullptr);
    const UniqueCreatedDC memory(CreateCompatibleDC(screen.get()));
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)> bitmap(
        CreateCompatibleBitmap(screen.get(), m_width, m_height), &DeleteObject);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    {
      const ScopedSelectObject selected(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, m_width, m_height, screen.get(), origin.x, origin.y, SRCCOPY);
    }
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(m_height), m_pixels.data(), &format,
              DIB_RGB_COLORS);
  }

  // The drawn icon frames: squares at least `minimum` wide with a black line
  // all round (the pen) and white just inside their top-left corner (the brush).
  std::vector<RECT> Frames(int minimum) const {
    std::vector<RECT> frames;
    for (int y = 0; y + minimum <= m_height; ++y) {
      for (int x = 0; x + minimum <= m_width; ++x) {
        if (!Black(x, y) || !WhiteSquare(x + 1, y + 1, 3)) continue;
        int right = x;
        while (right < m_width && Black(right, y)) ++right;
        int bottom = y;
        while (bottom < m_height && Black(x, bottom)) ++bottom;
        const RECT frame{x, y, right, bottom};
        if (right - x >= minimum && std::abs((right - x) - (bottom - y)) <= 1 && Outlined(frame))
          frames.push_back(frame);
      }
    }
    return frames;
  }

 private:
  bool Black(int x, int y) const { return (Pixel(x, y) & 0xFFFFFF) == 0; }
  bool White(int x, int y) const { return (Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }
  DWORD Pixel(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
  bool WhiteSquare(int left, int top, int side) const {
    for (int y = top; y < top + side; ++y)
      for (int x = left; x < left + side; ++x)
        if (x >= m_width || y >= m_height || !White(x, y)) return false;
    return true;
  }
  bool Outlined(const RECT& frame) const {
    for (int x = frame.left; x < frame.right; ++x)
      if (!Black(x, frame.bottom - 1)) return false;
    for (int y = frame.top; y < frame.bottom; ++y)
      if (!Black(frame.right - 1, y)) return false;
    return true;
  }

  int m_width = 0;
  int m_height = 0;
  std::vector<DWORD> m_pixels;
};

TEST_F(PropertiesTest, TheIconSitsInItsGroupBetweenNextAndPreviousAtEveryScale) {
  using namespace std::chrono_literals;
  const StoredLanguageGuard language(Language::English);
  m_desktop.Write("shown.dvxdpi");
  RegisterIcon(".dvxdpi", "dvxdpifile", 0);
  const std::string caption = "1 of " + std::to_string(PlatformIconCount(m_program));

  for (const DWORD dpi : {96u, 120u, 144u}) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    const DisplayScale scale(dpi);
    usersim::ProgramProcess program = usersim::ProgramProcess::Start(m_program);
    User user(program.Id());
    HWND main = user.WaitForDialog(kMainTitle);
    user.DoubleClickListItem(main, IDC_FILE_LIST, "shown.dvxdpi");
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(DrawnIconCaption(user, dialog), caption);

    const RECT group = ClientRectOf(dialog, IDC_PROPERTIES_ICON_GROUP);
    const RECT next = ClientRectOf(dialog, IDC_PROPERTIES_NEXT_ICON);
    const RECT previous = ClientRectOf(dialog, IDC_PROPERTIES_PREVIOUS_ICON);
    if (dpi > 96) {
      EXPECT_GT(group.right - group.left, 75) << "the dialog follows the display scale";
    }
    std::vector<RECT> frames;
    for (int attempt = 0; attempt < 50 && frames.size() != 1; ++attempt, Sleep(100))
      frames = ClientPicture(dialog).Frames(20);
    ASSERT_EQ(frames.size(), 1u);
    const RECT& frame = frames[0];
    EXPECT_GE(frame.left, group.left);
    EXPECT_LE(frame.right, group.right);
    EXPECT_GE(frame.top, next.bottom);
    EXPECT_LE(frame.bottom, previous.top);
    if (group.right - group.left == 75 && group.bottom - group.top == 130) {
      // 6x13 dialog base units at 96 dpi: the layout's own pixels.
      EXPECT_EQ(frame.left, 362);
      EXPECT_EQ(frame.top, 56);
      EXPECT_EQ(frame.right, 404);
      EXPECT_EQ(frame.bottom, 98);
    }

    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
    user.Click(main, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit(15s).has_value());
  }
}

TEST_F(PropertiesTest, ASizeBeyondTwoGigabytesShowsItsLowBitsSigned) {
  const auto path = m_desktop.Write("huge.dvxknown");
  {
    HANDLE file = CreateFileA(path.string().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 3000000000LL;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);
  }
  RegisterIcon(".dvxknown", "dvxknownfile", 0);
  RunOnListedFile("huge.dvxknown", [&](User& user, HWND) {
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_SIZE), "-1294967296");
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
}

TEST_F(PropertiesTest, AnUnregisteredTypeShowsTheFallbacksAndOneNoIconsMessagePerPaint) {
  m_desktop.Write("plain.dvxnone", "text");
  // The fallback text names no file, not even a program called so in the shown folder.
  ASSERT_TRUE(CopyFileA(m_program.c_str(), (m_desktop.WindowsPath() + "none").c_str(), FALSE));
  RunOnListedFile("plain.dvxnone", [&](User& user, HWND) {
    const usersim::MessageBoxInfo box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, kNoIcons);
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_APPLICATION), "not registered");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_FILE), "none");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "Icon");

    // Repaints while the message is up show no second one.
    for (int i = 0; i < 3; ++i) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    user.Settle(dialog);
    EXPECT_EQ(VisibleErrorBoxes(user), 1);
    user.Answer(box, IDOK);

    // Each further paint reports again (not waited for: the paint stays
    // inside the message until the user answers it).
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE);
    user.ExpectMessageBox("Error", kNoIcons);
    EXPECT_EQ(VisibleErrorBoxes(user), 0);
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
  EXPECT_FALSE(ClassKeyExists(".dvxnone"));
}

TEST_F(PropertiesTest, ARelativeIconFileIsLookedForInTheSystemFoldersNeverInTheShownOne) {
  ASSERT_TRUE(CopyFileA(m_program.c_str(), (m_desktop.WindowsPath() + "dvxicons.exe").c_str(), FALSE));
  m_desktop.Write("here.dvxhere");
  SetClassValue(".dvxhere", "dvxherefile");
  SetClassValue("dvxherefile\\DefaultIcon", "dvxicons.exe,1");
  m_desktop.Write("system.dvxsystem");
  SetClassValue(".dvxsystem", "dvxsystemfile");
  SetClassValue("dvxsystemfile\\DefaultIcon", "notepad.exe,0");
  const int notepadIcons = PlatformIconCount("C:\\windows\\system32\\notepad.exe");
  ASSERT_GE(notepadIcons, 1);

  RunOnListedFile("here.dvxhere", [&](User& user, HWND) {
    user.ExpectMessageBox("Error", kNoIcons);
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_FILE), "dvxicons.exe");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "Icon");
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
  RunOnListedFile("system.dvxsystem", [&](User& user, HWND) {
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_FILE), "notepad.exe");
    EXPECT_EQ(DrawnIconCaption(user, dialog), "1 of " + std::to_string(notepadIcons));
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
}

TEST_F(PropertiesTest, NextAndPreviousWrapAndBrowsingAloneWritesNothing) {
  const int count = PlatformIconCount(m_program);
  ASSERT_GE(count, 2);
  m_desktop.Write("icons.dvxbrowse");
  RegisterIcon(".dvxbrowse", "DvxBrowseType", count - 1);
  const std::string of = " of " + std::to_string(count);

  RunOnListedFile("icons.dvxbrowse", [&](User& user, HWND) {
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(DrawnIconCaption(user, dialog), std::to_string(count) + of);
    user.Click(dialog, IDC_PROPERTIES_NEXT_ICON);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "1" + of);
    user.Click(dialog, IDC_PROPERTIES_NEXT_ICON);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "2" + of);
    user.Click(dialog, IDC_PROPERTIES_PREVIOUS_ICON);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "1" + of);
    user.Click(dialog, IDC_PROPERTIES_PREVIOUS_ICON);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), std::to_string(count) + of);
    user.Click(dialog, IDOK);
    user.WaitUntilGone(dialog);
  });
  EXPECT_EQ(ClassValue(".dvxbrowse"), "DvxBrowseType");
  EXPECT_EQ(ClassValue("DvxBrowseType\\DefaultIcon"), m_program + "," + std::to_string(count - 1));
  EXPECT_FALSE(ClassKeyExists("dvxbrowsefile"));
}

TEST_F(PropertiesTest, OkAfterBothChangesWritesTheIconThenTheCommand) {
  const int count = PlatformIconCount(m_program);
  m_desktop.Write("doc.dvxboth");
  RunOnListedFile("doc.dvxboth", [&](User& user, HWND) {
    user.ExpectMessageBox("Error", kNoIcons);
    HWND dialog = user.WaitForDialog("Properties");

    user.Click(dialog, IDC_PROPERTIES_CHANGE_ICON_FILE);
    user.ChooseFile("Open", m_program);
    user.Settle(dialog);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_FILE), Lowered(m_program));
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "1 of " + std::to_string(count));
    user.Click(dialog, IDC_PROPERTIES_NEXT_ICON);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "2 of " + std::to_string(count));

    user.Click(dialog, IDC_PROPERTIES_CHANGE_APPLICATION);
    user.ChooseFile("Get A Program File", "C:\\windows\\notepad.exe");
    user.Settle(dialog);
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_APPLICATION), "c:\\windows\\notepad.exe");
    // A new application brings the icons back to the first.
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_ICON_GROUP), "1 of " + std::to_string(count));
    user.Click(dialog, IDC_PROPERTIES_NEXT_ICON);

    user.Click(dialog, IDOK);
    user.WaitUntilGone(dialog);
  });
  EXPECT_EQ(ClassValue(".dvxboth"), "dvxbothfile");
  EXPECT_EQ(ClassValue("dvxbothfile\\DefaultIcon"), Lowered(m_program) + ",1");
  EXPECT_EQ(ClassValue("dvxbothfile\\Shell\\Open\\Command"), "\"c:\\windows\\notepad.exe\" \"%1\"");
  const auto iconWritten = KeyLastWriteTime("dvxbothfile\\DefaultIcon");
  const auto commandWritten = KeyLastWriteTime("dvxbothfile\\Shell\\Open\\Command");
  ASSERT_TRUE(iconWritten && commandWritten);
  EXPECT_LE(*iconWritten, *commandWritten);
}

TEST_F(PropertiesTest, CancelAfterChangesWritesNothing) {
  m_desktop.Write("doc.dvxcancel");
  RunOnListedFile("doc.dvxcancel", [&](User& user, HWND) {
    user.ExpectMessageBox("Error", kNoIcons);
    HWND dialog = user.WaitForDialog("Properties");
    user.Click(dialog, IDC_PROPERTIES_CHANGE_ICON_FILE);
    user.ChooseFile("Open", m_program);
    user.Click(dialog, IDC_PROPERTIES_CHANGE_APPLICATION);
    user.ChooseFile("Get A Program File", "C:\\windows\\notepad.exe");
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
  });
  EXPECT_FALSE(ClassKeyExists(".dvxcancel"));
  EXPECT_FALSE(ClassKeyExists("dvxcancelfile"));
}

TEST_F(PropertiesTest, ANameWithoutADotHasNoTypeAndWritesNothing) {
  m_desktop.Write("README");
  RunOnListedFile("README", [&](User& user, HWND) {
    user.ExpectMessageBox("Error", kNoIcons);
    HWND dialog = user.WaitForDialog("Properties");
    EXPECT_EQ(user.Text(dialog, IDC_PROPERTIES_APPLICATION), "not registered");
    user.Click(dialog, IDC_PROPERTIES_CHANGE_APPLICATION);
    user.ChooseFile("Get A Program File", "C:\\windows\\notepad.exe");
    // Back to the first icon of the same file, which still has none.
    user.ExpectMessageBox("Error", kNoIcons);
    user.Click(dialog, IDOK);
    user.WaitUntilGone(dialog);
  });
  EXPECT_FALSE(ClassKeyExists("README"));
  EXPECT_FALSE(ClassKeyExists("EADMEfile"));
}

TEST_F(PropertiesTest, AFileGoneSinceTheListingIsReportedWithoutTheDialog) {
  const auto path = m_desktop.Write("gone.txt");
  MainDialog main;
  RunUserScenario(
      [&](User& user) {
        HWND window = user.WaitForDialog(kMainTitle);
        ASSERT_TRUE(DeleteFileA(path.string().c_str()));
        user.DoubleClickListItem(window, IDC_FILE_LIST, "gone.txt");
        const usersim::MessageBoxInfo box = user.WaitForMessageBox("Error");
        EXPECT_EQ(box.text, "gone.txt could not be opened because\nthe file could not be located.");
        EXPECT_EQ(user.FindWindowTitled("Properties"), nullptr);
        user.Answer(box, IDOK);
        EXPECT_EQ(user.FindWindowTitled("Properties"), nullptr);
        user.Click(window, IDCANCEL);
      },
      [&] { main.DoModal(); });
}

// The descriptions in an open dialog's file-type box.
std::vector<std::string> FileTypeChoices(HWND fileDialog) {
  constexpr int kFileTypeBox = 1136;
  HWND box = GetDlgItem(fileDialog, kFileTypeBox);
  std::vector<std::string> choices;
  const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    choices.emplace_back(text);
  }
  return choices;
}

TEST(PropertiesChangeButtons, OfferTheirFileTypesFromTheWindowsFolder) {
  SetCurrentLanguage(Language::English);
  const std::string program = usersim::DorvexExePath();
  PropertiesDialog dialog;
  dialog.m_strIconFile = Wide(program);
  dialog.m_nIconIndex = 1;
  dialog.m_strApplication = L"c:\\tools\\viewer.exe %1";
  RunUserScenario(
      [&](User& user) {
        HWND window = user.WaitForDialog("Properties");
        user.Click(window, IDC_PROPERTIES_CHANGE_ICON_FILE);
        HWND open = user.WaitForDialog("Open");
        EXPECT_EQ(FileTypeChoices(open),
                  (std::vector<std::string>{"All Icon Files (*.exe; *.dll; *.ico)", "Programs (*.exe)",
                                            "Libraries (*.dll)", "Icon Resources (*.ico)"}));
        user.ClickCancel(open);
        user.WaitUntilGone(open);
        user.Settle(window);
        EXPECT_EQ(user.Text(window, IDC_PROPERTIES_ICON_GROUP),
                  "2 of " + std::to_string(PlatformIconCount(program)));

        user.Click(window, IDC_PROPERTIES_CHANGE_APPLICATION);
        HWND get = user.WaitForDialog("Get A Program File");
        EXPECT_EQ(FileTypeChoices(get),
                  (std::vector<std::string>{"Programs (*.exe)", "Scripts (*.bat; *.cmd)",
                                            "All Executables (*.exe; *.cmd; *.bat)"}));
        // A bare name is found in the Windows folder, where the dialog opens.
        user.EnterFileName(get, "notepad.exe");
        user.Settle(window);
        EXPECT_EQ(user.Text(window, IDC_PROPERTIES_APPLICATION), "c:\\windows\\notepad.exe");
        user.Click(window, IDOK);
      },
      [&] { EXPECT_EQ(dialog.DoModal(), IDOK); });
  EXPECT_FALSE(dialog.m_bIconChanged);
  EXPECT_TRUE(dialog.m_bApplicationChanged);
  EXPECT_EQ(dialog.m_strApplication, L"c:\\windows\\notepad.exe");
  EXPECT_EQ(dialog.m_nIconIndex, 0);
}

}  // namespace
