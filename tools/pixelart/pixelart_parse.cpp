#include "pixelart_parse.h"

#include <array>
#include <charconv>
#include <optional>
#include <sstream>

namespace vrex::pixelart {
namespace {

struct PaletteEntry {
  bool defined = false;
  Rgb colour;
  std::optional<Rgb> hover;
};

struct PendingFrame {
  int line = 0;  // line of its "frame" directive, or of the picture
  std::vector<std::string> rows;
};

class Parser {
 public:
  Parser(const std::string& text, const std::string& file_name) : text_(text), file_(file_name) {}

  SourceFile Run() {
    std::istringstream in(text_);
    std::string line;
    while (std::getline(in, line)) {
      ++line_no_;
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      if (line.find_first_of(" \t") == std::string::npos && line != "frame") {
        Row(line);
      } else {
        Directive(line);
      }
    }
    FinishPicture();
    return std::move(result_);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { FailAt(line_no_, message); }
  [[noreturn]] void FailAt(int line, const std::string& message) const {
    throw SourceError(file_ + ":" + std::to_string(line) + ": " + message);
  }

  void Directive(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line.substr(0, line.find('#')));
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) return;
    const std::string& keyword = words[0];
    if (keyword == "colour") {
      Colour(words);
    } else if (keyword == "picture") {
      StartPicture(words);
    } else if (keyword == "frame") {
      Frame();
    } else if (keyword == "icon") {
      Icon(words);
    } else {
      Fail("unknown directive '" + keyword + "' (rows must not contain blanks)");
    }
  }

  Rgb ParseRgb(const std::string& text) const {
    std::array<int, 3> parts{};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
      auto [next, ec] = std::from_chars(p, end, parts[i]);
      if (ec != std::errc() || parts[i] < 0 || parts[i] > 255) Fail("bad colour '" + text + "': want R,G,B of 0..255");
      p = next;
      if (i < 2) {
        if (p == end || *p != ',') Fail("bad colour '" + text + "': want R,G,B of 0..255");
        ++p;
      }
    }
    if (p != end) Fail("bad colour '" + text + "': want R,G,B of 0..255");
    return Rgb{static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
               static_cast<std::uint8_t>(parts[2])};
  }

  void Colour(const std::vector<std::string>& words) {
    if (words.size() != 3 && !(words.size() == 5 && words[3] == "hover")) {
      Fail("want: colour <character> R,G,B [hover R,G,B]");
    }
    if (words[1].size() != 1) Fail("palette key '" + words[1] + "' must be a single character");
    const unsigned char key = static_cast<unsigned char>(words[1][0]);
    if (key == '#' || key < 33 || key > 126) Fail("palette key '" + words[1] + "' is not usable in rows");
    PaletteEntry& entry = palette_[key];
    if (entry.defined) Fail("palette key '" + words[1] + "' is defined twice");
    entry.defined = true;
    entry.colour = ParseRgb(words[2]);
    if (words.size() == 5) entry.hover = ParseRgb(words[4]);
  }

  static bool ValidName(const std::string& name, const std::string& extension) {
    return name.size() > extension.size() && name.find_first_of("/\\:") == std::string::npos &&
           name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
  }

  void ClaimName(const std::string& name) {
    for (const Picture& p : result_.pictures) {
      if (p.name == name || p.hover_name == name) Fail("output '" + name + "' is written twice");
    }
    for (const IconFile& icon : result_.icons) {
      if (icon.name == name) Fail("output '" + name + "' is written twice");
    }
    if (current_ && (current_->name == name || current_->hover_name == name)) {
      Fail("output '" + name + "' is written twice");
    }
  }

  void StartPicture(const std::vector<std::string>& words) {
    FinishPicture();
    if (words.size() != 3 && !(words.size() == 5 && words[3] == "hover")) {
      Fail("want: picture <name>.bmp <width>x<height> [hover <name>.bmp]");
    }
    Picture picture;
    picture.line = line_no_;
    picture.name = words[1];
    if (!ValidName(picture.name, ".bmp"))
      Fail("picture name '" + picture.name + "' must be a plain name ending in .bmp");
    ClaimName(picture.name);
    const std::string& size = words[2];
    const auto cross = size.find('x');
    int w = 0, h = 0;
    const char* end = size.data() + size.size();
    bool ok = cross != std::string::npos;
    if (ok) {
      auto [wend, wec] = std::from_chars(size.data(), size.data() + cross, w);
      auto [hend, hec] = std::from_chars(size.data() + cross + 1, end, h);
      ok = wec == std::errc() && hec == std::errc() && wend == size.data() + cross && hend == end;
    }
    if (!ok || w < 1 || h < 1 || w > 4096 || h > 4096) Fail("bad size '" + size + "': want <width>x<height>");
    picture.frame_width = w;
    picture.frame_height = h;
    if (words.size() == 5) {
      picture.hover_name = words[4];
      if (!ValidName(picture.hover_name, ".bmp")) Fail("hover name '" + picture.hover_name + "' must end in .bmp");
      if (picture.hover_name == picture.name) Fail("output '" + picture.name + "' is written twice");
      ClaimName(picture.hover_name);
    }
    current_ = std::move(picture);
    frames_.clear();
    frames_.push_back(PendingFrame{line_no_, {}});
    explicit_frames_ = false;
  }

  void Frame() {
    if (!current_) Fail("'frame' outside a picture");
    if (!explicit_frames_) {
      if (!frames_.back().rows.empty()) Fail("the first frame of a strip needs its own 'frame' line too");
      frames_.back().line = line_no_;
      explicit_frames_ = true;
      return;
    }
    CheckFrameComplete(frames_.back());
    frames_.push_back(PendingFrame{line_no_, {}});
  }

  void Row(const std::string& row) {
    if (!current_) Fail("row outside a picture");
    PendingFrame& frame = frames_.back();
    const int width = current_->frame_width;
    if (static_cast<int>(frame.rows.size()) == current_->frame_height) {
      Fail("one row too many: '" + current_->name + "' is " + std::to_string(current_->frame_height) + " rows high" +
           (explicit_frames_ ? " (begin the next frame with a 'frame' line)" : ""));
    }
    if (static_cast<int>(row.size()) != width) {
      Fail("row is " + std::to_string(row.size()) + " characters long, '" + current_->name + "' is " +
           std::to_string(width) + " wide");
    }
    for (size_t i = 0; i < row.size(); ++i) {
      if (!palette_[static_cast<unsigned char>(row[i])].defined) {
        Fail("column " + std::to_string(i + 1) + ": character '" + std::string(1, row[i]) + "' is not in the palette");
      }
    }
    frame.rows.push_back(row);
  }

  void CheckFrameComplete(const PendingFrame& frame) const {
    if (static_cast<int>(frame.rows.size()) != current_->frame_height) {
      FailAt(frame.line, "frame " + std::to_string(&frame - frames_.data()) + " of '" + current_->name + "' has " +
                             std::to_string(frame.rows.size()) + " rows, want " +
                             std::to_string(current_->frame_height));
    }
  }

  void FinishPicture() {
    if (!current_) return;
    Picture& picture = *current_;
    for (const PendingFrame& frame : frames_) CheckFrameComplete(frame);
    picture.frames = static_cast<int>(frames_.size());
    const int w = picture.frame_width, h = picture.frame_height;
    picture.image = Image(w * picture.frames, h);
    if (!picture.hover_name.empty()) picture.hover = Image(w * picture.frames, h);
    for (int f = 0; f < picture.frames; ++f) {
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const PaletteEntry& entry = palette_[static_cast<unsigned char>(frames_[f].rows[y][x])];
          picture.image.at(f * w + x, y) = entry.colour;
          if (!picture.hover_name.empty()) picture.hover.at(f * w + x, y) = entry.hover.value_or(entry.colour);
        }
      }
    }
    result_.pictures.push_back(std::move(picture));
    current_.reset();
  }

  void Icon(const std::vector<std::string>& words) {
    FinishPicture();
    if (words.size() < 3) Fail("want: icon <name>.ico <picture>.bmp ...");
    IconFile icon;
    icon.name = words[1];
    icon.line = line_no_;
    if (!ValidName(icon.name, ".ico")) Fail("icon name '" + icon.name + "' must be a plain name ending in .ico");
    ClaimName(icon.name);
    for (size_t i = 2; i < words.size(); ++i) {
      const Picture* found = nullptr;
      for (const Picture& p : result_.pictures) {
        if (p.name == words[i]) found = &p;
      }
      if (!found) Fail("icon part '" + words[i] + "' is not a picture of this file");
      if (found->frames != 1 || found->frame_width != found->frame_height || found->frame_width > 256) {
        Fail("icon part '" + words[i] + "' must be one square frame of at most 256 pixels");
      }
      icon.pictures.push_back(words[i]);
    }
    result_.icons.push_back(std::move(icon));
  }

  const std::string& text_;
  std::string file_;
  int line_no_ = 0;
  std::array<PaletteEntry, 256> palette_{};
  std::optional<Picture> current_;
  std::vector<PendingFrame> frames_;
  bool explicit_frames_ = false;
  SourceFile result_;
};

}  // namespace

SourceFile ParseSource(const std::string& text, const std::string& file_name) { return Parser(text, file_name).Run(); }

}  // namespace vrex::pixelart
