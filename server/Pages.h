// The server's web pages: the online records and the pages behind the main menu's links.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "server/ScoreStore.h"

// Text made safe for HTML content and attribute values.
std::string HtmlEscape(std::string_view text);

// The table of `best` (highest first): rank, name, second name, score and the day (UTC), a mark
// by each record whose replay played to its score, and the links between all records and the
// verified ones alone (`verifiedOnly`: the table holds only those).
std::string RecordsPage(const std::vector<StoredScore>& best, bool verifiedOnly = false);
std::string MoreGamesPage();
std::string SubscribePage();
