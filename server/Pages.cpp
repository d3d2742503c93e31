#include "server/Pages.h"

#include "online/ScoreRecord.h"
#include "server/ScreenText.h"
#include "server/UtcTime.h"

namespace {

constexpr const char* kStyle =
    ":root{color-scheme:dark}"
    "body{margin:0;background:#0a0f24;color:#e6eaff;"
    "font:16px/1.5 'DejaVu Sans',system-ui,sans-serif}"
    "main{max-width:56rem;margin:0 auto;padding:1.5rem 1rem 2rem}"
    "h1{margin:0;font-size:2rem;letter-spacing:.06em;color:#ffd166}"
    "h2{margin:.25rem 0 1.25rem;font-size:1.1rem;font-weight:normal;color:#9fb0ff}"
    ".scroll{overflow-x:auto}"
    "table{width:100%;border-collapse:collapse}"
    "th,td{padding:.45rem .7rem;text-align:left;white-space:nowrap}"
    "th{color:#9fb0ff;font-weight:600;border-bottom:2px solid #2c3b7d}"
    "tbody tr:nth-child(odd){background:#121a40}"
    ".num{text-align:right;font-variant-numeric:tabular-nums}"
    "nav{margin-top:1.5rem}"
    ".filter{margin:0 0 1rem}.filter b{color:#ffd166}"
    ".ok{color:#5fe08a;font-weight:bold;margin-left:.4rem}"
    "a{color:#7fd3ff}"
    // A phone: each record on two lines (rank; name over second name; score over date), so
    // that ten wide letters in both names and a seven-digit score fit 390 pixels.
    "@media (max-width:36rem){body{font-size:14px}h1{font-size:1.5rem}"
    "main{padding:1rem .75rem 1.5rem}table,thead,tbody{display:block}"
    "tr{display:grid;grid-template-columns:2rem minmax(0,1fr) auto;column-gap:.6rem;"
    "padding:.35rem .4rem}"
    "thead tr{border-bottom:2px solid #2c3b7d}th{border:0}th,td{padding:0;white-space:normal;"
    "overflow-wrap:anywhere}"
    "th:nth-child(1),td:nth-child(1){grid-column:1;grid-row:1/3}"
    "th:nth-child(2),td:nth-child(2){grid-column:2;grid-row:1}"
    "th:nth-child(3),td:nth-child(3){grid-column:2;grid-row:2;opacity:.8}"
    "th:nth-child(4),td:nth-child(4){grid-column:3;grid-row:1}"
    "th:nth-child(5),td:nth-child(5){grid-column:3;grid-row:2;text-align:right;opacity:.8}"
    "td[colspan]{grid-column:1/-1;grid-row:1}}";

// One page: the shared head and style around `body`, which is already HTML.
std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
         HtmlEscape(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<main>\n" +
         body + "<nav><a href=\"" + std::string(kScriptPath) + "?prg=" + std::string(kProgramName) +
         "&amp;show&amp;type=0\">Online records</a>"
         " · <a href=\"/moregames\">More games</a> · <a href=\"/subscribe\">Subscribe</a></nav>\n"
         "</main>\n</body>\n</html>\n";
}

std::string Cell(const std::string& html, const char* cssClass = nullptr) {
  return std::string(cssClass ? "<td class=\"" + std::string(cssClass) + "\">" : "<td>") + html +
         "</td>";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RecordsPage(const std::vector<StoredScore>& best, bool verifiedOnly) {
  const std::string table =
      std::string(kScriptPath) + "?prg=" + std::string(kProgramName) + "&amp;show&amp;type=0";
  const std::string all =
      verifiedOnly ? "<a href=\"" + table + "\">All records</a>" : "<b>All records</b>";
  const std::string verified = verifiedOnly
                                   ? "<b>Verified only</b>"
                                   : "<a href=\"" + table + "&amp;verified=1\">Verified only</a>";
  std::string rows;
  int rank = 0;
  for (const auto& entry : best) {
    const std::string mark = entry.replay == ReplayState::Verified
                                 ? "<span class=\"ok\" title=\"verified: its replay plays to "
                                   "this score\">&#10003;</span>"
                                 : "";
    rows += "<tr>" + Cell(std::to_string(++rank), "num") +
            Cell(HtmlEscape(ScreenTextToUtf8(entry.name)) + mark) +
            Cell(HtmlEscape(ScreenTextToUtf8(entry.add))) +
            Cell(std::to_string(entry.score), "num") + Cell(UtcTime(entry.time, "%Y-%m-%d")) +
            "</tr>\n";
  }
  if (best.empty()) {
    rows = verifiedOnly ? "<tr><td colspan=\"5\">No verified scores yet.</td></tr>\n"
                        : "<tr><td colspan=\"5\">No scores yet: be the first.</td></tr>\n";
  }
  return Page("Glintbreaker: online records",
              "<h1>Glintbreaker</h1>\n<h2>Online records: the best scores of all players</h2>\n"
              "<p class=\"filter\">" +
                  all + " · " + verified +
                  " <span class=\"ok\">&#10003;</span> the game's replay plays to the score</p>\n"
                  "<div class=\"scroll\"><table>\n<thead><tr>"
                  "<th class=\"num\">#</th><th>Name</th><th>Second name</th>"
                  "<th class=\"num\">Score</th><th>Date</th></tr></thead>\n<tbody>\n" +
                  rows + "</tbody>\n</table></div>\n");
}

std::string MoreGamesPage() {
  return Page("Glintbreaker: more games",
              "<h1>More games</h1>\n<h2>From the makers of Glintbreaker</h2>\n"
              "<p>Glintbreaker is our first game. The next one is on the drawing board; "
              "its news will appear here first.</p>\n");
}

std::string SubscribePage() {
  return Page("Glintbreaker: news",
              "<h1>Subscribe</h1>\n<h2>Glintbreaker news</h2>\n"
              "<p>New levels and new games are announced on this server. We keep no mailing "
              "list and ask for no address: come back to this page or to the online records "
              "to see what is new.</p>\n");
}
