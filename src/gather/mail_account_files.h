#pragma once
// The mail accounts of Windows Mail (Windows Vista), which keeps them in
// files instead of the registry: one XML file per account, "*.oeaccount",
// in the "Local Folders" folder of its store, under the user's local
// application data.
#include <optional>
#include <string_view>

#include "gather/internet_info.h"

namespace vrex::gather {

// The account of one file's bytes (UTF-16 after its byte-order mark, or
// UTF-8), in the ANSI code page; nothing when the file names no account or
// no SMTP server, as for an account of the registry.
std::optional<TMailAccount> ParseMailAccountFile(std::string_view bytes);

// The accounts of the files, in the numbers info.MailAccounts has free.
void ReadMailAccountFiles(TInternetInfo& info);

}  // namespace vrex::gather
