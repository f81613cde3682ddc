#include "app/window_place.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "lang/ini.h"
#include "platform/text.h"

namespace vrex::app {

std::optional<WindowPlace> ParseWindowPlace(std::string_view text) {
  std::vector<std::int64_t> numbers;
  for (const std::string& field : text::SplitFields(text, ',')) {
    std::int64_t number = 0;
    if (!text::ParseInteger(field, number) || number < -1'000'000 || number > 1'000'000) return std::nullopt;
    numbers.push_back(number);
  }
  if (numbers.size() != 5 || numbers[2] <= 0 || numbers[3] <= 0 || (numbers[4] != 0 && numbers[4] != 1))
    return std::nullopt;
  auto at = [&](int i) { return static_cast<int>(numbers[i]); };
  return WindowPlace{at(0), at(1), at(2), at(3), numbers[4] == 1};
}

std::string WindowPlaceText(const WindowPlace& place) {
  return std::to_string(place.left) + "," + std::to_string(place.top) + "," + std::to_string(place.width) + "," +
         std::to_string(place.height) + "," + (place.maximised ? "1" : "0");
}

WindowPlace ClampToArea(WindowPlace place, const view::Rect& area, int smallestWidth, int smallestHeight) {
  const int areaWidth = area.right - area.left;
  const int areaHeight = area.bottom - area.top;
  place.width = std::max(smallestWidth, std::min(place.width, areaWidth));
  place.height = std::max(smallestHeight, std::min(place.height, areaHeight));
  place.left = std::max(area.left, std::min(place.left, area.right - place.width));
  place.top = std::max(area.top, std::min(place.top, area.bottom - place.height));
  return place;
}

std::optional<WindowPlace> ReadWindowPlace() {
  std::string text;
  if (!ReadIniString(ProgramIniPath(), kOptionsSection, kWindowPlaceKey, text)) return std::nullopt;
  return ParseWindowPlace(text);
}

bool WriteWindowPlace(const WindowPlace& place) {
  return WriteIniString(ProgramIniPath(), kOptionsSection, kWindowPlaceKey, WindowPlaceText(place));
}

}  // namespace vrex::app
