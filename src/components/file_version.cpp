#include "components/file_version.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/os/ports.h"
#include "platform/text.h"

namespace vrex {

const std::array<const char*, kPreDefCount> kPreDefKeys = {
    "CompanyName",      "FileDescription", "FileVersion",    "InternalName", "LegalCopyright", "LegalTrademarks",
    "OriginalFilename", "ProductName",     "ProductVersion", "Comments",     "BuildFlags",
};

const std::array<const char*, kPreDefCount> kPreDefCaptions = {
    "Company Name",      "File Description", "File Version",    "Internal Name", "Legal Copyright", "Legal Trademarks",
    "Original Filename", "Product Name",     "Product Version", "Comments",      "Build Flags",
};

const std::array<const char*, kFileFlagCount> kFileFlagNames = {"Debug",       "Info Inferred", "Patched",
                                                                "Pre-Release", "Private",       "Special"};

namespace {

// VS_FIXEDFILEINFO: 13 double words; dwFileFlags is the eighth.
constexpr std::size_t kFixedInfoLength = 52;
constexpr int kFileFlagsField = 7;
// VS_FF_DEBUG, VS_FF_INFOINFERRED, VS_FF_PATCHED, VS_FF_PRERELEASE, VS_FF_PRIVATEBUILD, VS_FF_SPECIALBUILD.
constexpr std::array<std::uint32_t, kFileFlagCount> kFileFlagBits = {0x01, 0x10, 0x04, 0x02, 0x08, 0x20};

// The system takes file names in a 256-byte buffer.
constexpr std::size_t kMaxFilenameLength = 255;
constexpr std::uint16_t kEnglishUs = 0x0409;

constexpr const char* kResourceColumn = "Resource";
constexpr const char* kValueColumn = "Value";
constexpr int kColumnWidthOfHeader = -2;

std::string TranslationText(std::uint16_t language, std::uint16_t codePage) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.4x%.4x", language, codePage);
  return buffer;
}

std::uint16_t ReadWord(const std::uint8_t* data) { return static_cast<std::uint16_t>(data[0] | (data[1] << 8)); }

}  // namespace

VersionDisplayTarget::~VersionDisplayTarget() {
  // Each writer drops its link, which also removes it from writers_.
  while (!writers_.empty()) writers_.back()->TargetDestroyed(this);
}

TFileFlags TFixedFileVersionInfo::FileFlags() const {
  std::uint32_t bits = Field(kFileFlagsField);
  TFileFlags flags = 0;
  for (int flag = 0; flag < kFileFlagCount; ++flag) {
    if (bits & kFileFlagBits[flag]) flags = static_cast<TFileFlags>(flags | (1u << flag));
  }
  return flags;
}

std::uint32_t TFixedFileVersionInfo::Field(int index) const {
  if (data_ == nullptr) return 0;
  std::uint32_t value;
  std::memcpy(&value, data_ + 4 * index, sizeof value);
  return value;
}

void TVersionNumberInformation::Assign(std::uint32_t mostSignificant, std::uint32_t leastSignificant,
                                       std::string overrideText) {
  valid_ = true;
  mostSignificant_ = mostSignificant;
  leastSignificant_ = leastSignificant;
  overrideText_ = std::move(overrideText);
}

std::array<std::uint16_t, 4> TVersionNumberInformation::Parts() const {
  return {static_cast<std::uint16_t>(mostSignificant_ >> 16), static_cast<std::uint16_t>(mostSignificant_ & 0xFFFF),
          static_cast<std::uint16_t>(leastSignificant_ >> 16), static_cast<std::uint16_t>(leastSignificant_ & 0xFFFF)};
}

std::string TVersionNumberInformation::Text() const {
  if (!valid_) return {};
  if (!overrideText_.empty()) return overrideText_;
  auto parts = Parts();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", parts[0], parts[1], parts[2], parts[3]);
  return buffer;
}

TFileVersion::TFileVersion() = default;

TFileVersion::~TFileVersion() {
  for (VersionDisplayTarget* target :
       {static_cast<VersionDisplayTarget*>(versionLabel_), static_cast<VersionDisplayTarget*>(copyrightLabel_),
        static_cast<VersionDisplayTarget*>(listView_), static_cast<VersionDisplayTarget*>(descriptionLabel_),
        static_cast<VersionDisplayTarget*>(productLabel_)}) {
    if (target != nullptr) Unwatch(target);
  }
}

std::string TFileVersion::GetFilename() const {
  if (!filename_.empty()) return filename_;
  std::string program = os::SystemPort().ExePath();
  std::string module = os::VersionsPort().CodeModulePath();
  bool insideLibrary = !module.empty() && !text::EqualsNoCase(module, program);
  if (!insideLibrary || forceExe_) return program;
  return module;
}

void TFileVersion::SetFilename(const std::string& filename) {
  filename_ = filename;
  LoadVersionInfo();
}

void TFileVersion::SetForceEXE(bool force) {
  if (force == forceExe_) return;
  forceExe_ = force;
  LoadVersionInfo();
}

void TFileVersion::LoadVersionInfo() {
  translations_.clear();
  fixed_.Attach(nullptr);
  block_.clear();
  block_.shrink_to_fit();
  blockSize_ = 0;

  std::string name = GetFilename().substr(0, kMaxFilenameLength);
  std::uint32_t size = os::VersionsPort().InfoSize(name);
  if (size > 0) {
    try {
      block_.assign(size, 0);
    } catch (const std::exception&) {  // more than memory holds
      size = 0;
    }
  }
  // A block the system could not fill is no block.
  if (size > 0 && !os::VersionsPort().Info(name, size, block_.data())) size = 0;
  if (size == 0) {
    block_.clear();
    fileVersion_.Invalidate();
    productVersion_.Invalidate();
    UpdateDisplay();
    return;
  }
  blockSize_ = size;

  void* value = nullptr;
  std::uint32_t length = 0;
  if (os::VersionsPort().QueryValue(block_.data(), "\\", value, length) && length >= kFixedInfoLength)
    fixed_.Attach(static_cast<const std::uint8_t*>(value));

  if (os::VersionsPort().QueryValue(block_.data(), "\\VarFileInfo\\Translation", value, length)) {
    const auto* words = static_cast<const std::uint8_t*>(value);
    if (length >= 4) {
      for (std::uint32_t at = 0; at + 4 <= length; at += 4)
        translations_.push_back(TranslationText(ReadWord(words + at), ReadWord(words + at + 2)));
    } else if (length != 0) {
      // A table too short for a pair holds only a code page: take it as US English.
      std::uint16_t codePage = length >= 2 ? ReadWord(words) : words[0];
      translations_.push_back(TranslationText(kEnglishUs, codePage));
    }
  }
  if (translationIndex_ >= static_cast<int>(translations_.size())) translationIndex_ = 0;

  fileVersion_.Assign(fixed_.FileVersionMS(), fixed_.FileVersionLS(), GetPredefined(pdFileVersion));
  productVersion_.Assign(fixed_.ProductVersionMS(), fixed_.ProductVersionLS(), GetPredefined(pdProductVersion));
  UpdateDisplay();
}

std::string TFileVersion::TranslationKey() const {
  if (translationIndex_ >= 0 && translationIndex_ < static_cast<int>(translations_.size()))
    return translations_[translationIndex_];
  return kDefaultTranslation;
}

std::string TFileVersion::GetPredefined(int index) const {
  if (index < 0 || index >= kPreDefCount || block_.empty()) return {};
  void* value = nullptr;
  std::uint32_t length = 0;
  std::string path = "\\StringFileInfo\\" + TranslationKey() + "\\" + kPreDefKeys[index];
  if (!os::VersionsPort().QueryValue(block_.data(), path, value, length) || value == nullptr) return {};
  const char* found = static_cast<const char*>(value);
  return std::string(found, std::find(found, found + length, '\0'));
}

std::string TFileVersion::GetBuildFlagsText() const {
  std::string result;
  TFileFlags flags = fixed_.FileFlags();
  for (int flag = 0; flag < kFileFlagCount; ++flag) {
    if (flags & (1u << flag)) {
      result += kFileFlagNames[flag];
      result += ", ";
    }
  }
  if (!result.empty()) result.resize(result.size() - 2);
  return result;
}

void TFileVersion::UpdateDisplay() {
  if (versionLabel_ != nullptr) versionLabel_->SetCaption(fileVersion_.Text());
  if (copyrightLabel_ != nullptr) copyrightLabel_->SetCaption(GetPredefined(pdLegalCopyright));
  if (productLabel_ != nullptr) productLabel_->SetCaption(GetPredefined(pdProductName));
  if (descriptionLabel_ != nullptr) descriptionLabel_->SetCaption(GetPredefined(pdFileDescription));
  if (listView_ != nullptr) FillListView();
}

void TFileVersion::FillListView() {
  if (listView_ == nullptr) return;
  listView_->Clear();
  listView_->SetReportStyle();
  listView_->AddColumn(kResourceColumn, kColumnWidthOfHeader);
  listView_->AddColumn(kValueColumn, kColumnWidthOfHeader);
  struct Row {
    TPreDef key;
    std::string value;
  };
  const Row rows[] = {
      {pdProductName, GetPredefined(pdProductName)},
      {pdProductVersion, productVersion_.Text()},
      {pdCompanyName, GetPredefined(pdCompanyName)},
      {pdLegalCopyright, GetPredefined(pdLegalCopyright)},
      {pdLegalTrademarks, GetPredefined(pdLegalTrademarks)},
      {pdFileDescription, GetPredefined(pdFileDescription)},
      {pdFileVersion, fileVersion_.Text()},
      {pdInternalName, GetPredefined(pdInternalName)},
      {pdOriginalFilename, GetPredefined(pdOriginalFilename)},
      {pdBuildFlags, GetBuildFlagsText()},
      {pdComments, GetPredefined(pdComments)},
  };
  for (const auto& row : rows) {
    if (!row.value.empty() && (showResource_ & PreDefBit(row.key)))
      listView_->AddRow(kPreDefCaptions[row.key], row.value);
  }
}

void TFileVersion::Watch(VersionDisplayTarget* target) { target->writers_.push_back(this); }

void TFileVersion::Unwatch(VersionDisplayTarget* target) {
  auto& writers = target->writers_;
  auto found = std::find(writers.begin(), writers.end(), this);
  if (found != writers.end()) writers.erase(found);
}

template <typename Target>
void TFileVersion::Link(Target*& slot, Target* target) {
  if (slot != nullptr) Unwatch(slot);
  slot = target;
  if (target != nullptr) Watch(target);
}

void TFileVersion::SetVersionLabel(VersionLabelTarget* label) {
  Link(versionLabel_, label);
  if (label != nullptr) showResource_ &= static_cast<TPreDefs>(~PreDefBit(pdFileVersion));
  UpdateDisplay();
}

void TFileVersion::SetCopyrightLabel(VersionLabelTarget* label) {
  Link(copyrightLabel_, label);
  if (label != nullptr) showResource_ &= static_cast<TPreDefs>(~PreDefBit(pdLegalCopyright));
  UpdateDisplay();
}

void TFileVersion::SetDescriptionLabel(VersionLabelTarget* label) {
  Link(descriptionLabel_, label);
  if (label != nullptr) showResource_ &= static_cast<TPreDefs>(~PreDefBit(pdFileDescription));
  UpdateDisplay();
}

void TFileVersion::SetProductLabel(VersionLabelTarget* label) {
  Link(productLabel_, label);
  if (label != nullptr) showResource_ &= static_cast<TPreDefs>(~PreDefBit(pdProductName));
  UpdateDisplay();
}

void TFileVersion::SetVersionListView(VersionListTarget* list) {
  Link(listView_, list);
  UpdateDisplay();
}

void TFileVersion::SetShowResource(TPreDefs keys) {
  if (keys == showResource_) return;
  showResource_ = keys;
  UpdateDisplay();
}

void TFileVersion::TargetDestroyed(VersionDisplayTarget* target) {
  Unwatch(target);
  // The same target may stand in several roles.
  if (versionLabel_ == target) versionLabel_ = nullptr;
  if (copyrightLabel_ == target) copyrightLabel_ = nullptr;
  if (listView_ == target) listView_ = nullptr;
  if (descriptionLabel_ == target) descriptionLabel_ = nullptr;
  if (productLabel_ == target) productLabel_ = nullptr;
}

std::string GetFileVersionText(const std::string& file, int selector) {
  // Selector → predefined key; 10 is the file date.
  constexpr std::array<TPreDef, 10> kSelectorKeys = {
      pdCompanyName,    pdLegalTrademarks,  pdInternalName, pdFileDescription, pdFileVersion,
      pdLegalCopyright, pdOriginalFilename, pdComments,     pdProductName,     pdProductVersion};
  TFileVersion version;
  version.AssignFilename(file);
  version.SetForceEXE(true);
  if (selector >= 0 && selector < static_cast<int>(kSelectorKeys.size()))
    return version.GetPredefined(kSelectorKeys[selector]);
  if (selector == 10) return os::VersionsPort().FileDateText(version.GetFilename()).value_or("");
  return {};
}

}  // namespace vrex
