// Dial-up connections: the scan of the phonebook text, the tag table, the
// switch words, the library's paths through gettel, and the text the
// phonebook library writes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>

#include "gather/dialup.h"
#include "lang/language.h"
#include "platform/phonebook_text.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

class DialUp : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{650, "Not installed."}, {1000, "Connection: "}, {1027, "Phone: "}, {1041, "NetBEUI: "},
                                {1042, "TCPIP"},         {1002, "Fixed IP: "},   {1004, "Hdr: "},   {1029, "Framing: "},
                                {1022, "Device: "},      {1050, "on"},           {1051, "off"},     {1021, "Script: "}};
  }
  os::memory::World world;
};

TEST_F(DialUp, ScanOfPhonebookTexts) {
  struct Case {
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {"EN=Office@PhoneNumber=123@NetBEUI:1@x",
       {
           R"(<IMG src="idx:10"></IMG><FONT color="clnavy" size="12">Connection: <FONT color="clgreen">Office</FONT>)",
           R"(<IMG src="idx:10"></IMG><FONT color="clblue" size="10">Phone: <IND x="200"><FONT color="clmaroon">123</FONT>)",
           R"(<IMG src="idx:10"></IMG><FONT color="clblue" size="10">NetBEUI:<IND x="200"><FONT color="clmaroon">on</FONT>)",
       }},
      // The last "@" is the last character, which the scan never examines.
      {"EN=Office@PhoneNumber=123@NetBEUI:1@",
       {
           R"(<IMG src="idx:10"></IMG><FONT color="clnavy" size="12">Connection: <FONT color="clgreen">Office</FONT>)",
           R"(<IMG src="idx:10"></IMG><FONT color="clblue" size="10">Phone: <IND x="200"><FONT color="clmaroon">123</FONT>)",
       }},
      {"@@x", {" ", " "}},
      {"@@", {" "}},
      {"", {}},
      {"@", {}},
      {"x", {}},
      {"nothing known@x", {" "}},
      {"EN=a@b@c",
       {R"(<IMG src="idx:10"></IMG><FONT color="clnavy" size="12">Connection: <FONT color="clgreen">a</FONT>)", " "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PhonebookLines(c.text), c.lines);
  }
}

TEST_F(DialUp, PieceRendering) {
  struct Case {
    const char* piece;
    const char* rendered;
  };
  const Case cases[] = {
      {"NetBEUI:0", R"(<FONT color="clblue" size="10">NetBEUI:<IND x="200"><FONT color="clmaroon">off</FONT>)"},
      {"NetBEUI: -7", R"(<FONT color="clblue" size="10">NetBEUI:<IND x="200"><FONT color="clmaroon">on</FONT>)"},
      {"NetBEUI:$0", R"(<FONT color="clblue" size="10">NetBEUI:<IND x="200"><FONT color="clmaroon">off</FONT>)"},
      {"NetBEUI:0x10", R"(<FONT color="clblue" size="10">NetBEUI:<IND x="200"><FONT color="clmaroon">on</FONT>)"},
      {"NetBEUI:1a", R"(<FONT color="clblue" size="10">NetBEUI: 1a</FONT>)"},
      // A label without a colon: the number stays as it is.
      {"IP:1", R"(<FONT color="clblue" size="10">TCPIP1</FONT>)"},
      // Case decides: "IP:" does not occur in "SIpA:".
      {"SIpA:0", R"(<FONT color="clblue" size="10">Fixed IP:<IND x="200"><FONT color="clmaroon">off</FONT>)"},
      {"IpHeaderCompression:1",
       R"(</IMG><FONT color="clblue" size="10">Hdr:<IND x="200"><FONT color="clmaroon">on</FONT>)"},
      // Every row starts from the piece as it came: the last tag of the table decides.
      {"EN=PhoneNumber=5", R"(EN=<FONT color="clblue" size="10">Phone: <IND x="200"><FONT color="clmaroon">5</FONT>)"},
      // A value after a colon-free tag keeps its own colon and text.
      {"Script=C:\\dial.scp",
       R"(<FONT color="clblue" size="10">Script: <IND x="200"><FONT color="clmaroon">C:\dial.scp</FONT>)"},
      {"optFraming:PPP", R"(<FONT color="clblue" size="10">Framing: <IND x="200"><FONT color="clmaroon">PPP</FONT>)"},
      {"before devicename=Modem",
       R"(before <FONT color="clblue" size="10">Device: <IND x="200"><FONT color="clmaroon">Modem</FONT>)"},
      {"unknown:1", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.piece);
    EXPECT_EQ(teltostring(c.piece), c.rendered);
  }
}

TEST_F(DialUp, ReadsAsInteger) {
  struct Case {
    const char* text;
    bool whole;
    long long value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"  12", true, 12},
      {"-3", true, -3},
      {"+4", true, 4},
      {"$1F", true, 31},
      {"x10", true, 16},
      {"0X0a", true, 10},
      {"-$10", true, -16},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483648LL},
      {"2147483648", false, 0},
      {"$FFFFFFFF", true, 0xFFFFFFFFLL},
      {"$100000000", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"1 ", false, 0},
      {"1a", false, 0},
      {" <IND>1", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    long long value = 0;
    EXPECT_EQ(ReadsAsInteger(c.text, value), c.whole);
    if (c.whole) {
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST_F(DialUp, ReplaceFirstLeavesTheOutputWhenTheTagIsAbsent) {
  std::string output = "kept";
  ReplaceFirst("abcabc", "x", "Y", output);
  EXPECT_EQ(output, "kept");
  ReplaceFirst("abcabc", "bc", "Y", output);
  EXPECT_EQ(output, "aYabc");
}

// Random texts of tag fragments, "@", ":" and NUL-free bytes: one line for
// every "@" but a last one, and nothing read past the end (the sanitizers
// watch the reads).
TEST_F(DialUp, RandomTextsGiveOneLinePerExaminedAt) {
  const char* fragments[] = {
      "@",    ":", "=",      "EN=", "IP:", "NetBEUI:", "1", "0x", "$", " ", "PhoneNumber=", "x", "IpHeaderCompression:",
      "\xff", "<", "</FONT>"};
  std::mt19937 random(14);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    int pieces = static_cast<int>(random() % 24);
    for (int i = 0; i < pieces; ++i) text += fragments[random() % std::size(fragments)];
    std::size_t ats = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) ats += text[i] == '@';
    Lines lines = PhonebookLines(text);
    ASSERT_EQ(lines.size(), ats) << text;
    for (const auto& line : lines) ASSERT_TRUE(line == " " || line.rfind("<IMG src=\"idx:10\"></IMG>", 0) == 0);
  }
}

// A text as a phonebook library hands it out: closed by two NULs.
std::string LibraryText(const std::string& text) { return text + std::string(2, '\0'); }

TEST_F(DialUp, GettelPathsThroughTheLibrary) {
  const std::string systemDirectory = "C:\\WINDOWS\\SYSTEM";
  struct Case {
    const char* name;
    bool rasapi;
    bool library;
    bool exported;
    bool throwsOnLoad;
    Lines lines;
  };
  const Case cases[] = {
      {"no remote-access library", false, true, true, false, {"Not installed."}},
      {"no phonebook library", true, false, false, false, {}},
      {"no export", true, true, false, false, {}},
      {"a load that throws", true, true, true, true, {}},
      {"the text's lines",
       true,
       true,
       true,
       false,
       {R"(<IMG src="idx:10"></IMG><FONT color="clnavy" size="12">Connection: <FONT color="clgreen">Office</FONT>)",
        R"(<IMG src="idx:10"></IMG><FONT color="clblue" size="10">Phone: <IND x="200"><FONT color="clmaroon">123</FONT>)"}},
  };
  // A single NUL inside the text is dropped; the text ends at two.
  const std::string text = LibraryText(std::string("EN=Off\0ice@PhoneNumber=123@ ", 29)) + "EN=Ignored@";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    os::memory::World local;
    local.modules.ownStrings = world.modules.ownStrings;
    if (c.rasapi) local.files.AddFile(systemDirectory + "\\RASAPI32.DLL");
    int calls = 0;
    std::map<std::string, os::Modules::TextExport> exports;
    if (c.exported)
      exports["getdialsnap"] = [&] {
        ++calls;
        return text.c_str();
      };
    if (c.library) local.modules.AddLibrary("dialsnap.dll", {}, exports);
    if (c.throwsOnLoad) local.modules.throwingPath = "dialsnap.dll";
    EXPECT_EQ(gettel(systemDirectory), c.lines);
    EXPECT_EQ(local.modules.LoadedCount(), 0);
    EXPECT_EQ(calls, c.name == std::string("the text's lines") ? 1 : 0);
    // The remote-access library is only looked for, never loaded.
    for (const auto& path : local.modules.loaded) EXPECT_EQ(path, "dialsnap.dll");
    EXPECT_EQ(local.modules.loaded.size(), c.rasapi ? 1u : 0u);
  }
}

TEST_F(DialUp, LibraryIsFreedWhenTheCallThrows) {
  world.files.AddFile("C:\\S\\rasapi32.dll");
  world.modules.AddLibrary("dialsnap.dll", {},
                           {{"getdialsnap", []() -> const char* { throw std::runtime_error("fault"); }}});
  EXPECT_THROW(gettel("C:\\S"), std::runtime_error);
  EXPECT_EQ(world.modules.LoadedCount(), 0);
  EXPECT_EQ(world.modules.freed.size(), 1u);
}

TEST_F(DialUp, NoTextFromTheLibraryGivesNoLines) {
  world.files.AddFile("C:\\S\\rasapi32.dll");
  world.modules.AddLibrary("dialsnap.dll", {}, {{"getdialsnap", []() -> const char* { return nullptr; }}});
  EXPECT_EQ(gettel("C:\\S"), Lines{});
  EXPECT_EQ(world.modules.LoadedCount(), 0);
}

TEST_F(DialUp, BrokenLibraryTextsEndInNoLinesOrBlankOnes) {
  struct Case {
    const char* what;
    std::optional<std::string> text;  // nothing: the library gives a null pointer
    Lines lines;
  };
  const Case cases[] = {
      {"null pointer", std::nullopt, {}},
      {"empty text", LibraryText(""), {}},
      {"no @ at all", LibraryText("EN=Office PhoneNumber=123"), {}},
      {"a lone @, never examined", LibraryText("@"), {}},
      {"only separators", LibraryText("@@x"), {" ", " "}},
      {"a single NUL before the text", std::string(1, '\0') + LibraryText("@@x"), {" ", " "}},
  };
  for (const auto& c : cases) {
    os::memory::World local;
    local.files.AddFile("C:\\S\\rasapi32.dll");
    // A copy of exactly the text's bytes: a read past its closing NULs is caught.
    std::unique_ptr<char[]> copy;
    if (c.text) {
      copy = std::make_unique<char[]>(c.text->size());
      std::memcpy(copy.get(), c.text->data(), c.text->size());
    }
    const char* handed = copy.get();
    local.modules.AddLibrary("dialsnap.dll", {}, {{"getdialsnap", [handed] { return handed; }}});
    EXPECT_EQ(gettel("C:\\S"), c.lines) << c.what;
    EXPECT_EQ(local.modules.LoadedCount(), 0) << c.what;
  }
}

TEST(PhonebookText, EntriesAsPieces) {
  phonebook::Entry office;
  office.name = "Office";
  office.deviceName = "Modem (COM2)";
  office.phoneNumber = "555 0100";
  office.countryId = 420;
  office.countryCode = 420;
  office.areaCode = "2";
  office.ipAddr = {10, 1, 2, 3};
  office.dns = {10, 0, 0, 53};
  office.netProtocols = phonebook::kIp | phonebook::kNetBEUI;
  office.framingProtocol = phonebook::kFramingPpp;
  office.script = "C:\\dial.scp";
  office.options =
      phonebook::option::kUseCountryAndAreaCodes | phonebook::option::kModemLights | phonebook::option::kNetworkLogon;
  phonebook::Entry home;
  home.name = "Home@ISP";
  home.framingProtocol = 8;
  EXPECT_EQ(phonebook::PhonebookText({office, home}),
            "EN=Office@devicename=Modem (COM2)@PhoneNumber=555 0100@CountryID=420@CountryCode=420@AreaCode=2@"
            "UCAAC:1@SIpA:0@IpAddr=10.1.2.3@SNameServers:0@PrimaryDNS=10.0.0.53@SecondaryDNS=0.0.0.0@"
            "PrimaryWINS=0.0.0.0@SecondaryWINS=0.0.0.0@NetBEUI:1@IPX:0@IP:1@optFraming:PPP@Script=C:\\dial.scp@"
            "IpHeaderCompression:0@RemoteDefaultGateway:0@DisableLcpExtensions:0@TerminalBeforeDial:0@"
            "TerminalAfterDial:0@ModemLights:1@SWCompression:0@RequireEncryptedPw:0@RequireMsEncryptedPw:0@"
            "RequireDataEncryption:0@UseLogonCredentials:0@PromoteAlternates:0@NetworkLogon:1@"
            "@"
            "EN=Home_ISP@devicename=@PhoneNumber=@CountryID=0@CountryCode=0@AreaCode=@"
            "UCAAC:0@SIpA:0@IpAddr=0.0.0.0@SNameServers:0@PrimaryDNS=0.0.0.0@SecondaryDNS=0.0.0.0@"
            "PrimaryWINS=0.0.0.0@SecondaryWINS=0.0.0.0@NetBEUI:0@IPX:0@IP:0@optFraming:8@Script=@"
            "IpHeaderCompression:0@RemoteDefaultGateway:0@DisableLcpExtensions:0@TerminalBeforeDial:0@"
            "TerminalAfterDial:0@ModemLights:0@SWCompression:0@RequireEncryptedPw:0@RequireMsEncryptedPw:0@"
            "RequireDataEncryption:0@UseLogonCredentials:0@PromoteAlternates:0@NetworkLogon:0@ ");
  EXPECT_EQ(phonebook::PhonebookText({}), "");
}

// Every piece the library writes reaches a line, the last one too, and each
// names a row of the table.
TEST_F(DialUp, LibraryTextShowsEveryProperty) {
  phonebook::Entry entry;
  entry.name = "Office";
  Lines lines = PhonebookLines(phonebook::PhonebookText({entry, entry}));
  ASSERT_EQ(lines.size(), 65u);  // 32 pieces per entry and the separator
  EXPECT_EQ(lines[32], " ");
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (i != 32) {
      EXPECT_NE(lines[i], " ") << i;
    }
}

}  // namespace
}  // namespace vrex::gather
