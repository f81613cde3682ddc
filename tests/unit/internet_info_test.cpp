// Internet settings: the proxy value's forms, FindStr, the mail accounts with
// their gaps, the browsers, and the three pages' lines.
#include <gtest/gtest.h>

#include "gather/internet_info.h"
#include "gather/mail_account_files.h"
#include "lang/language.h"
#include "support/memory/memory_ports.h"

namespace vrex::gather {
namespace {

using Lines = std::vector<std::string>;

std::string Fixture(const char* name) { return std::string(VREX_FIXTURES) + "/" + name; }

constexpr const char* kInternetSettings = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class InternetSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    UnloadLanguageModule();
    world.modules.ownStrings = {{550, "Account:"}, {551, "Mail"}, {552, "POP3"},  {553, "SMTP"},    {554, "User"},
                                {555, "Name"},     {357, "IE"},   {570, "Start"}, {571, "Netscape"}};
  }
  os::memory::World world;
};

TEST_F(InternetSettings, ProxyValueForms) {
  struct Case {
    const char* value;  // null: no ProxyServer value
    const char* http;
    const char* https;
    const char* ftp;
    const char* gopher;
  };
  const std::string fiftyOne(51, 'p');
  const std::string fifty(50, 'p');
  const std::string longEntry = "ftp=" + fiftyOne + ";http=h:1";
  const Case cases[] = {
      {"host:8080", "host:8080", "host:8080", "host:8080", "host:8080"},
      {"ftp=a:21;gopher=b:70;http=c:80;https=d:443", "c:80", "d:443", "a:21", "b:70"},
      {"https=d:443;gopher=b:70;http=c:80;ftp=a:21;", "c:80", "d:443", "a:21", "b:70"},
      {"http=c:80;https=d:443", "http=c:80;https=d:443", "http=c:80;https=d:443", "http=c:80;https=d:443",
       "http=c:80;https=d:443"},
      {"HTTP=c:80;ftp=a:21", "c:80", "", "a:21", ""},
      // Only the lower-case letters make a list.
      {"FTP=a:21;HTTP=c:80", "FTP=a:21;HTTP=c:80", "FTP=a:21;HTTP=c:80", "FTP=a:21;HTTP=c:80", "FTP=a:21;HTTP=c:80"},
      {"ftpproxy:8080", "", "", "", ""},
      {"ftp=a:21;http=;gopher=b:70", "", "", "a:21", "b:70"},
      {longEntry.c_str(), "h:1", "", fifty.c_str(), ""},
      {fiftyOne.c_str(), fifty.c_str(), fifty.c_str(), fifty.c_str(), fifty.c_str()},
      {"", "", "", "", ""},
      {nullptr, "", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(none)");
    world.registry = os::memory::MemoryRegistry();
    world.registry.CreateKey(os::RootKey::CurrentUser, kInternetSettings);
    if (c.value != nullptr) world.registry.SetText(os::RootKey::CurrentUser, kInternetSettings, "ProxyServer", c.value);
    TInternetInfo info;
    ReadProxy(info);
    EXPECT_EQ(info.ProxyHttp, c.http);
    EXPECT_EQ(info.ProxyHttps, c.https);
    EXPECT_EQ(info.ProxyFtp, c.ftp);
    EXPECT_EQ(info.ProxyGopher, c.gopher);
  }
}

TEST_F(InternetSettings, FindStrTakesTheTextUpToTheNextSemicolon) {
  struct Case {
    const char* data;
    const char* tag;
    const char* result;
  };
  const Case cases[] = {
      {"", "ftp=", ""},
      {"ftp=a;", "ftp=", "a"},
      {"FTP=A;", "ftp=", "A"},
      {"ftp=a;ftp=b;", "ftp=", "a"},
      {"https=d;http=c;", "http=", "c"},
      {"ftp=;http=c;", "ftp=", ""},
      {"ftp=a", "ftp=", ""},          // no ";" after the tag
      {"ftp=a;xftp=b", "xftp=", ""},  // the last entry lacks its ";"
      {"ft", "ftp=", ""},             // shorter than the tag
      {"gopher=b:70;", "gopher=", "b:70"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.data) + " / " + c.tag);
    EXPECT_EQ(FindStr(c.data, c.tag), c.result);
  }
}

TEST_F(InternetSettings, FixturePagesAndReadOnlyKeys) {
  world.registry.LoadFile(Fixture("internet_settings.reg"));
  TInternetInfo info;
  ReadInternetInfo(info);
  EXPECT_EQ(world.registry.fullAccessOpens, 0);

  EXPECT_EQ(
      postatostringlst(info),
      (Lines{
          R"(<IMG src="idx:7"></IMG><FONT size="11" color="clred"> Account: <FONT color="clBlue"> Home mail </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Mail <IND x="200"><FONT color="clmaroon"> jana@home.example </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 <IND x="200"><FONT color="clmaroon"> pop.home.example </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> SMTP <IND x="200"><FONT color="clmaroon"> smtp.home.example </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> User <IND x="200"><FONT color="clmaroon"> jana </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Name <IND x="200"><FONT color="clmaroon"> Jana Novak </FONT>)",
          "</FONT> ",
          R"(<IMG src="idx:7"></IMG><FONT size="11" color="clred"> Account: <FONT color="clBlue"> Work </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Mail <IND x="200"><FONT color="clmaroon">  </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 <IND x="200"><FONT color="clmaroon">  </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> SMTP <IND x="200"><FONT color="clmaroon"> smtp.work.example </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> User <IND x="200"><FONT color="clmaroon">  </FONT>)",
          R"(<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Name <IND x="200"><FONT color="clmaroon">  </FONT>)",
          "</FONT> ",
      }));
  EXPECT_EQ(
      proxytostringlst(info),
      (Lines{
          R"(<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> HTTP: <IND x="200"><FONT color="clmaroon">proxy.example.com:8080 </FONT>)",
          R"(<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> HTTPS: <IND x="200"><FONT color="clmaroon">secure.example.com:443 </FONT>)",
          R"(<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> FTP: <IND x="200"><FONT color="clmaroon">ftp.example.com:21 </FONT>)",
          R"(<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> GOPHER: <IND x="200"><FONT color="clmaroon">gopher.example.com:70 </FONT>)",
      }));
  EXPECT_EQ(
      explorerstostringlst(info),
      (Lines{
          R"(<IMG src="idx:9"></IMG><FONT size="10" color="clblue">IE<IND x="200"><FONT color="clmaroon">5.50.4134.0100 </FONT>)",
          R"(<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Start<IND x="200"><FONT color="clmaroon">http://www.example.com/ </FONT>)",
          " ",
          R"(<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Netscape<IND x="200"><FONT color="clmaroon">4.79 (en) </FONT>)",
      }));
}

TEST_F(InternetSettings, MailAccountsTakenByNumber) {
  struct Case {
    const char* name;
    const char* reg;  // added to an empty registry
    std::vector<std::size_t> taken;
  };
  const char* prefix = "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet Account Manager\\Accounts\\";
  const Case cases[] = {
      {"none", "", {}},
      {"01 and 20, the first and the last number",
       "00000001]\n\"Account Name\"=\"a\"\n\"SMTP Server\"=\"s\"\n\n"
       "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet Account Manager\\Accounts\\00000020]\n"
       "\"Account Name\"=\"b\"\n\"SMTP Server\"=\"s\"\n",
       {1, 20}},
      {"empty account name", "00000002]\n\"Account Name\"=\"\"\n\"SMTP Server\"=\"s\"\n", {}},
      {"SMTP server of another type", "00000002]\n\"Account Name\"=\"a\"\n\"SMTP Server\"=dword:00000001\n", {}},
      {"three digits are not read", "00000100]\n\"Account Name\"=\"a\"\n\"SMTP Server\"=\"s\"\n", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    world.registry = os::memory::MemoryRegistry();
    if (*c.reg != '\0') world.registry.LoadText(std::string(prefix) + c.reg);
    TInternetInfo info;
    ReadMailAccounts(info);
    std::vector<std::size_t> taken;
    for (std::size_t n = 1; n <= kMailAccountCount; ++n)
      if (!info.MailAccounts[n - 1].AccountName.empty()) taken.push_back(n);
    EXPECT_EQ(taken, c.taken);
    if (c.taken.empty()) {
      EXPECT_EQ(postatostringlst(info), Lines{});
    }
  }
}

// Windows Mail's account files, UTF-16 or UTF-8, fill the numbers the
// registry left free; a file without an account name or SMTP server is none.
TEST_F(InternetSettings, WindowsMailAccountFilesFillTheFreeNumbers) {
  const std::string xml =
      "<?xml version=\"1.0\"?><MessageAccount><Account_Name type=\"SZ\">R&amp;D</Account_Name>"
      "<POP3_Server type=\"SZ\">pop.rd.example</POP3_Server><SMTP_Server type=\"SZ\">smtp.rd.example</SMTP_Server>"
      "<SMTP_Display_Name type=\"SZ\">Jan \xC4\x8C"
      "ern\xC3\xBD</SMTP_Display_Name></MessageAccount>";
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("<Account_Name>Wide</Account_Name><SMTP_Server>smtp.w</SMTP_Server>")) utf16 += {c, '\0'};
  const std::string folder = "C:\\Users\\jana\\AppData\\Local\\Microsoft\\Windows Mail\\Local Folders\\";
  world.files.AddBytes(folder + "account{1}.oeaccount", xml);
  world.files.AddBytes(folder + "account{2}.oeaccount", utf16);
  world.files.AddBytes(folder + "account{3}.oeaccount", "<Account_Name>No server</Account_Name>");
  world.files.AddBytes(folder + "other.txt", xml);
  TInternetInfo info;
  info.MailAccounts[0].AccountName = "from the registry";
  ReadMailAccountFiles(info);
  EXPECT_EQ(info.MailAccounts[1].AccountName, "") << "no LOCALAPPDATA, no files";
  world.system.environment["LOCALAPPDATA"] = "C:\\Users\\jana\\AppData\\Local";
  ReadMailAccountFiles(info);
  EXPECT_EQ(info.MailAccounts[0].AccountName, "from the registry");
  EXPECT_EQ(info.MailAccounts[1].AccountName, "R&D");
  EXPECT_EQ(info.MailAccounts[1].Pop3Server, "pop.rd.example");
  EXPECT_EQ(info.MailAccounts[1].SmtpServer, "smtp.rd.example");
  EXPECT_EQ(info.MailAccounts[1].SmtpDisplayName, "Jan ?ern\xFD");  // U+010C is not in the Western code page
  EXPECT_EQ(info.MailAccounts[2].AccountName, "Wide");
  EXPECT_EQ(info.MailAccounts[3].AccountName, "");
}

TEST_F(InternetSettings, ExplorerTenAndLaterGiveTheirOwnVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"9.11.19041.0", "11.0.19041.0"},  // behind the 9.11 kept for old installers
      {"5.50.4134.0100", "5.50.4134.0100"},
  };
  for (const auto& [version, shown] : cases) {
    world.registry.LoadText(std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer]\n") +
                            "\"Version\"=\"" + version + "\"\n\"svcVersion\"=\"11.0.19041.0\"\n");
    TInternetInfo info;
    ReadBrowsers(info);
    EXPECT_EQ(info.IEVersion, shown);
  }
}

TEST_F(InternetSettings, NetscapeVersionFromTheFirstProductKey) {
  struct Case {
    const char* name;
    const char* reg;
    std::string version;
  };
  const std::string longVersion(300, '4');
  const std::string longReg =
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape 6]\n\"CurrentVersion\"=\"" + longVersion + "\"\n";
  const Case cases[] = {
      {"no Netscape key", "", ""},
      {"a key without products", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape]\n", ""},
      {"a product without a version", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Navigator]\n\"Other\"=\"1\"\n", ""},
      {"products in enumeration order",
       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\zz]\n\"CurrentVersion\"=\"2\"\n\n"
       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Aa]\n\"CurrentVersion\"=\"1\"\n",
       "1"},
      {"cut to 255 characters", longReg.c_str(), std::string(255, '4')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    world.registry = os::memory::MemoryRegistry();
    world.registry.LoadText(std::string("REGEDIT4\n\n") + c.reg);
    TInternetInfo info;
    ReadBrowsers(info);
    EXPECT_EQ(info.NetscapeVersion, c.version);
    EXPECT_EQ(explorerstostringlst(info)[3],
              R"(<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Netscape<IND x="200"><FONT color="clmaroon">)" +
                  c.version + " </FONT>");
  }
}

}  // namespace
}  // namespace vrex::gather
