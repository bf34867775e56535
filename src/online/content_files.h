// Content files from the publisher's server: the one check every file reader
// makes before it reads (resolveContentFile), the server's file list and the
// bulk download. A failed transfer is never an error for the reader, which then
// reads whatever local copy there is; a failed or partial transfer never
// replaces a local file, and names that would leave the game folder are refused.
#pragma once
#include <optional>
#include <string>

#include "base/text.h"

namespace model { struct Game; }

namespace online {

// Paths on the publisher's server, below its base address.
inline constexpr const char* kFileListPath = "mrd2023/ONlstarq.php";
inline constexpr const char* kContentPath = "mrd2023/mrd/";

// The request headers of content requests (the client's defaults first).
void setRequestHeaders(model::Game& game);

// Fetches a fresh copy of the file when row 105 and the stamps ask for one;
// true when one was downloaded and written. serverStamp comes from the bulk
// download ("date time"); readers pass none.
bool resolveContentFile(model::Game& game, const std::string& name, const std::string& serverStamp = "");

// The server's file list: the reply's lines after "Ok!", or nothing when the
// reply is not a list. error says why no reply came (empty when one did).
std::optional<base::Lines> fetchServerFileList(model::Game& game, std::string& error);

// Start-up: fetches the list (a failed request is reported to the user) and,
// when row 104 is on, downloads every newer file.
void fetchListAtStartUp(model::Game& game);

// Downloads every newer file of a fresh list; with progress, the page's gauge,
// light and file label move, and the terminal gets a progress line.
void downloadAll(model::Game& game, bool showProgress);

// GET urlPrefix + name and save the bytes as exeFolder + name (atomically).
// Any failure, or a refused name, saves nothing and returns false.
bool fetchToFolder(model::Game& game, const std::string& urlPrefix, const std::string& name);

}  // namespace online
