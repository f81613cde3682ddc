#pragma once
// The about box's logic: the flag and caption of the language in force, the
// texts from the program's version resource, the two links, and the flow of
// opening the box.  The window itself is in about_win.cpp.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vrex::app {

inline constexpr const char* kWebAddress = "www.example.org/vrexnet";
inline constexpr const char* kMailAddress = "support@example.org";
inline constexpr const char* kAboutDesignCaption = "About";
inline constexpr const char* kVersionHintPrefix = "Build:  ";

enum class AboutFlag { None, EN, ES, DE, CSY, FR, IT, RUS };

struct AboutLanguage {
  AboutFlag flag = AboutFlag::None;
  std::string caption = kAboutDesignCaption;
};

// The flag and caption for a "RunLang" value, in any case; unknown and empty give English.
AboutLanguage AboutLanguageFor(std::string_view runLang);
// From "RunLang" of the program's INI file; an unexpected failure leaves the
// design caption and no flag.
AboutLanguage ReadAboutLanguage();

struct AboutTexts {
  std::string name;         // InternalName
  std::string nameHint;     // Comments
  std::string copyright;    // LegalCopyright
  std::string version;      // ProductVersion
  std::string versionHint;  // "Build:  " and the FileVersion
  std::string web = kWebAddress;
  std::string mail = kMailAddress;
};
// Read from the program's own file.
AboutTexts ReadAboutTexts();

// Names longer than 15 characters are set smaller and lower.
struct NamePlacement {
  int pointSize;
  int top;
};
NamePlacement PlaceName(std::string_view name);
// The name keeps clear of the version beside it: the placement's size when
// the name's width there fits the room, else the largest smaller size down to
// 8 points that fits (8 when none does).  widthAt gives the name's width at a
// point size.
int FitNameSize(const NamePlacement& placement, int room, const std::function<int(int pointSize)>& widthAt);

// Open "http://" + address or "mailto:" + address through the shell.  True
// for an empty address and on success; on failure the system's error is shown.
bool OpenWebAddress(const std::string& address);
bool OpenMailAddress(const std::string& address);

// The about box as TVInfoAbout::Execute drives it.
class AboutDialog {
 public:
  virtual ~AboutDialog() = default;
  virtual bool SetDlg() = 0;
  virtual int ShowModal() = 0;
  virtual void FreeDlg() = 0;
};

// The modal result when the box could not be shown.
inline constexpr int kAboutNotShown = 3;
// Creates the box, fills it and shows it modally, reporting what fails;
// returns the modal result, or 3 when it was not shown.
int ExecuteAbout(const std::function<std::unique_ptr<AboutDialog>()>& create);

}  // namespace vrex::app
