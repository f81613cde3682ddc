#pragma once
// Version information of an executable file: the fixed version numbers, the
// file flags and the texts of the eleven predefined keys, read through the
// version resource port.  A TFileVersion can also write some of them into a
// linked label or list; those are small abstract targets so that any widget
// (or a test) can stand behind them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vrex {

// The predefined keys; the value is the bit number in TPreDefs.
enum TPreDef : int {
  pdCompanyName,
  pdFileDescription,
  pdFileVersion,
  pdInternalName,
  pdLegalCopyright,
  pdLegalTrademarks,
  pdOriginalFilename,
  pdProductName,
  pdProductVersion,
  pdComments,
  pdBuildFlags,
};
inline constexpr int kPreDefCount = 11;
using TPreDefs = std::uint16_t;
constexpr TPreDefs PreDefBit(TPreDef key) { return static_cast<TPreDefs>(1u << key); }
inline constexpr TPreDefs kAllPreDefs = 2047;

// Name of each key in the resource, and its caption in the list.
extern const std::array<const char*, kPreDefCount> kPreDefKeys;
extern const std::array<const char*, kPreDefCount> kPreDefCaptions;

// Translation key used when the resource names none.
inline constexpr const char* kDefaultTranslation = "040904E4";

// File flags of the fixed information, in display order; the value is the bit number in TFileFlags.
enum TFileFlag : int { ffDebug, ffInfoInferred, ffPatched, ffPreRelease, ffPrivate, ffSpecial };
inline constexpr int kFileFlagCount = 6;
using TFileFlags = std::uint8_t;
extern const std::array<const char*, kFileFlagCount> kFileFlagNames;

class TFileVersion;

// A display a TFileVersion writes into.  Destroying it clears the links of
// every component that writes into it.
class VersionDisplayTarget {
 public:
  VersionDisplayTarget() = default;
  VersionDisplayTarget(const VersionDisplayTarget&) = delete;
  VersionDisplayTarget& operator=(const VersionDisplayTarget&) = delete;
  virtual ~VersionDisplayTarget();

 private:
  friend class TFileVersion;
  std::vector<TFileVersion*> writers_;
};

class VersionLabelTarget : public VersionDisplayTarget {
 public:
  virtual void SetCaption(const std::string& text) = 0;
};

class VersionListTarget : public VersionDisplayTarget {
 public:
  // Removes all columns and rows.
  virtual void Clear() = 0;
  // Report view, read-only, column headers that do not react to clicks.
  virtual void SetReportStyle() = 0;
  // Width -2 sizes the column to fit its header.
  virtual void AddColumn(const std::string& title, int width) = 0;
  virtual void AddRow(const std::string& caption, const std::string& value) = 0;
};

// View of the fixed version information (VS_FIXEDFILEINFO) inside a version block.
class TFixedFileVersionInfo {
 public:
  explicit TFixedFileVersionInfo(const TFileVersion* owner) : owner_(owner) {}
  // At least 52 bytes of fixed information, or nullptr for none.
  void Attach(const std::uint8_t* data) { data_ = data; }
  bool Present() const { return data_ != nullptr; }
  const TFileVersion* Owner() const { return owner_; }
  // Each 0 without fixed information.
  std::uint32_t FileVersionMS() const { return Field(2); }
  std::uint32_t FileVersionLS() const { return Field(3); }
  std::uint32_t ProductVersionMS() const { return Field(4); }
  std::uint32_t ProductVersionLS() const { return Field(5); }
  TFileFlags FileFlags() const;

 private:
  std::uint32_t Field(int index) const;
  const TFileVersion* owner_;
  const std::uint8_t* data_ = nullptr;
};

// A four-part version number, or the text that overrides it.
class TVersionNumberInformation {
 public:
  void Assign(std::uint32_t mostSignificant, std::uint32_t leastSignificant, std::string overrideText);
  void Invalidate() { *this = TVersionNumberInformation{}; }
  bool Valid() const { return valid_; }
  std::uint32_t MostSignificant() const { return mostSignificant_; }
  std::uint32_t LeastSignificant() const { return leastSignificant_; }
  // Major, minor, release, build: the high and low halves of both words.
  std::array<std::uint16_t, 4> Parts() const;
  // Empty when not valid; else the override text when there is one; else "a.b.c.d".
  std::string Text() const;

 private:
  bool valid_ = false;
  std::uint32_t mostSignificant_ = 0;
  std::uint32_t leastSignificant_ = 0;
  std::string overrideText_;
};

class TFileVersion {
 public:
  TFileVersion();
  virtual ~TFileVersion();
  TFileVersion(const TFileVersion&) = delete;
  TFileVersion& operator=(const TFileVersion&) = delete;

  // The file read: Filename, else the program (or, inside a library without
  // ForceEXE, the library's own file).
  virtual std::string GetFilename() const;
  virtual void UpdateDisplay();
  virtual void FillListView();
  // Names of the set file flags, separated by ", ".
  virtual std::string GetBuildFlagsText() const;
  virtual void LoadVersionInfo();

  const std::string& Filename() const { return filename_; }
  // Stores the name and reloads.
  void SetFilename(const std::string& filename);
  // Stores the name without reloading.
  void AssignFilename(const std::string& filename) { filename_ = filename; }
  bool ForceEXE() const { return forceExe_; }
  // Reloads when the value changes.
  void SetForceEXE(bool force);

  // Text of a predefined key (index 0 to 10); empty for other indexes, without
  // a version block, or when the resource lacks the key.
  std::string GetPredefined(int index) const;
  std::string CompanyName() const { return GetPredefined(pdCompanyName); }
  std::string FileDescription() const { return GetPredefined(pdFileDescription); }
  std::string InternalName() const { return GetPredefined(pdInternalName); }
  std::string LegalCopyright() const { return GetPredefined(pdLegalCopyright); }
  std::string LegalTrademarks() const { return GetPredefined(pdLegalTrademarks); }
  std::string OriginalFilename() const { return GetPredefined(pdOriginalFilename); }
  std::string ProductName() const { return GetPredefined(pdProductName); }
  std::string Comments() const { return GetPredefined(pdComments); }

  // One entry per language and code page of the resource, 8 lower-case hex digits.
  const std::vector<std::string>& Translations() const { return translations_; }
  int TranslationIndex() const { return translationIndex_; }
  void SetTranslationIndex(int index) { translationIndex_ = index; }
  // The key string lookups use: the current translation, else "040904E4".
  std::string TranslationKey() const;

  bool HasVersionBlock() const { return !block_.empty(); }
  const TFixedFileVersionInfo& FixedInfo() const { return fixed_; }
  const TVersionNumberInformation& FileVersion() const { return fileVersion_; }
  const TVersionNumberInformation& ProductVersion() const { return productVersion_; }

  VersionLabelTarget* VersionLabel() const { return versionLabel_; }
  VersionLabelTarget* CopyrightLabel() const { return copyrightLabel_; }
  VersionLabelTarget* DescriptionLabel() const { return descriptionLabel_; }
  VersionLabelTarget* ProductLabel() const { return productLabel_; }
  VersionListTarget* VersionListView() const { return listView_; }
  // Linking a label takes its key out of ShowResource; each refreshes the display.
  void SetVersionLabel(VersionLabelTarget* label);
  void SetCopyrightLabel(VersionLabelTarget* label);
  void SetDescriptionLabel(VersionLabelTarget* label);
  void SetProductLabel(VersionLabelTarget* label);
  void SetVersionListView(VersionListTarget* list);
  TPreDefs ShowResource() const { return showResource_; }
  void SetShowResource(TPreDefs keys);

 private:
  friend class VersionDisplayTarget;
  template <typename Target>
  void Link(Target*& slot, Target* target);
  void Watch(VersionDisplayTarget* target);
  void Unwatch(VersionDisplayTarget* target);
  void TargetDestroyed(VersionDisplayTarget* target);

  // The version block as the system filled it; lookups write their ANSI
  // copies into it, so even reading changes it.
  mutable std::vector<std::uint8_t> block_;
  std::uint32_t blockSize_ = 0;
  std::string filename_;
  std::vector<std::string> translations_;
  int translationIndex_ = 0;
  TFixedFileVersionInfo fixed_{this};
  bool forceExe_ = false;
  TVersionNumberInformation fileVersion_;
  TVersionNumberInformation productVersion_;
  VersionLabelTarget* versionLabel_ = nullptr;
  VersionLabelTarget* copyrightLabel_ = nullptr;
  VersionListTarget* listView_ = nullptr;
  VersionLabelTarget* descriptionLabel_ = nullptr;
  VersionLabelTarget* productLabel_ = nullptr;
  TPreDefs showResource_ = kAllPreDefs;
};

// Reads one value of a file's version information:
//   0 CompanyName, 1 LegalTrademarks, 2 InternalName, 3 FileDescription,
//   4 FileVersion, 5 LegalCopyright, 6 OriginalFilename, 7 Comments,
//   8 ProductName, 9 ProductVersion, 10 the file's date (short date format);
// empty for other selectors and when the value is missing.
std::string GetFileVersionText(const std::string& file, int selector);

}  // namespace vrex
