// Stand-in for the suite's mail program.  Appends to vrmail.log in its
// working folder: its command line, its working folder, and for each of
// report.txt and report.htm there whether the file was complete when the
// program started (it ends with a line break after its last line).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The text file's last line is the footer ("... Vrex Info Network"); the HTML
// file is a document that ends with its closing tag.
const char* Complete(const std::string& content, const std::string& end) {
  return EndsWith(content, end) ? "complete" : "incomplete";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  std::string text = ReadAll("report.txt");
  std::string html = ReadAll("report.htm");
  std::ofstream log("vrmail.log", std::ios::binary | std::ios::app);
  log << "command line: " << GetCommandLineA() << "\r\n";
  log << "folder: " << folder << "\r\n";
  log << "report.txt: " << Complete(text, "Vrex Info Network\r\n") << "\r\n";
  log << "report.htm: " << Complete(html, "</HTML>\r\n") << "\r\n";
  return 0;
}
