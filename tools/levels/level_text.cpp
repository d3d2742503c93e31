#include "tools/levels/level_text.h"

#include <sstream>

namespace levels {
namespace {

// The ball moves over rows 2-20 and columns 2-19: row 1 lies behind the status bar and columns
// 1 and 20 behind the side walls. Rows 17-20 are the bat's zone and stay empty.
constexpr int kFirstPlayRow = 2;
constexpr int kLastBrickRow = 16;
constexpr int kFirstPlayColumn = 2;
constexpr int kLastPlayColumn = 19;

class Reporter {
 public:
  Reporter(const std::string& fileName, std::vector<std::string>& errors)
      : fileName_(fileName), errors_(errors) {}
  void operator()(int row, int column, const std::string& reason) {
    errors_.push_back(fileName_ + ":" + std::to_string(row) + ":" + std::to_string(column) + ": " +
                      reason);
  }

 private:
  const std::string& fileName_;
  std::vector<std::string>& errors_;
};

std::optional<int32_t> codeOf(char c) {
  if (c == '.') return 0;
  if (c >= '1' && c <= '9') return c - '0';
  if (c == '#') return kIndestructible;
  return std::nullopt;
}

char charOf(int32_t code) {
  if (code == kIndestructible) return '#';
  if (code >= 1 && code <= 9) return static_cast<char>('0' + code);
  return '.';
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

bool inPlayArea(int row, int column) {
  return row >= kFirstPlayRow && row <= kLevelRows && column >= kFirstPlayColumn &&
         column <= kLastPlayColumn;
}

// Cells the ball can get to: a flood over every non-indestructible cell of the play area,
// starting from the bat's zone (4-neighbour).
std::array<bool, kLevelCells> reachableCells(const LevelCells& grid) {
  std::array<bool, kLevelCells> seen{};
  std::vector<std::pair<int, int>> todo;
  auto visit = [&](int row, int column) {
    if (!inPlayArea(row, column) || cell(grid, row, column) == kIndestructible) return;
    bool& mark = seen[static_cast<size_t>((row - 1) * kLevelColumns + (column - 1))];
    if (mark) return;
    mark = true;
    todo.emplace_back(row, column);
  };
  for (int row = kLastBrickRow + 1; row <= kLevelRows; ++row)
    for (int column = kFirstPlayColumn; column <= kLastPlayColumn; ++column) visit(row, column);
  while (!todo.empty()) {
    const auto [row, column] = todo.back();
    todo.pop_back();
    visit(row - 1, column);
    visit(row + 1, column);
    visit(row, column - 1);
    visit(row, column + 1);
  }
  return seen;
}

void checkPlacement(const LevelCells& grid, Reporter& report) {
  for (int row = 1; row <= kLevelRows; ++row)
    for (int column = 1; column <= kLevelColumns; ++column) {
      if (cell(grid, row, column) == 0) continue;
      if (row == 1)
        report(row, column, "brick in row 1, behind the status bar");
      else if (row > kLastBrickRow)
        report(row, column, "brick in rows 17-20, the bat's zone");
      else if (column == 1 || column == kLevelColumns)
        report(row, column, "brick in column " + std::to_string(column) + ", behind a side wall");
    }
}

void checkReachable(const LevelCells& grid, Reporter& report) {
  const auto reachable = reachableCells(grid);
  auto isReachable = [&](int row, int column) {
    return reachable[static_cast<size_t>((row - 1) * kLevelColumns + (column - 1))];
  };
  bool counted = false;
  for (int row = 1; row <= kLevelRows; ++row)
    for (int column = 1; column <= kLevelColumns; ++column) {
      const int32_t code = cell(grid, row, column);
      if (code < 1 || code > 9) continue;
      counted = true;
      if (!isReachable(row, column))
        report(row, column, "brick walled in by indestructible bricks, the ball cannot reach it");
      if (code != 8 && code != 9) continue;
      // A spawner fills every empty neighbour, diagonals included, with a brick that counts.
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
          const int r = row + dr, c = column + dc;
          if ((dr == 0 && dc == 0) ||
              (r >= 1 && r <= kLevelRows && c >= 1 && c <= kLevelColumns && cell(grid, r, c) != 0))
            continue;
          if (r < 1 || r > kLevelRows || c < 1 || c > kLevelColumns || !isReachable(r, c))
            report(row, column,
                   "spawner would put a brick into row " + std::to_string(r) + ", column " +
                       std::to_string(c) + ", where the ball cannot reach it");
        }
    }
  if (!counted) report(0, 0, "no brick that counts for completion (codes 1-9)");
}

}  // namespace

ParsedLevel parseLevel(const std::string& fileName, const std::string& text) {
  ParsedLevel result;
  Reporter report(fileName, result.errors);
  const std::vector<std::string> lines = splitLines(text);
  if (lines.empty()) {
    report(0, 0, "empty file; a title line and 20 rows are needed");
    return result;
  }
  const int rowCount = static_cast<int>(lines.size()) - 1;
  if (rowCount != kLevelRows)
    report(rowCount < kLevelRows ? rowCount + 1 : kLevelRows + 1, 1,
           std::to_string(rowCount) + " rows; 20 are needed");

  LevelCells grid{};
  for (int row = 1; row <= std::min(rowCount, kLevelRows); ++row) {
    const std::string& line = lines[static_cast<size_t>(row)];
    if (line.size() != kLevelColumns) {
      report(row, static_cast<int>(std::min<size_t>(line.size(), kLevelColumns)) + 1,
             std::to_string(line.size()) + " characters in the row; 20 are needed");
      continue;
    }
    for (int column = 1; column <= kLevelColumns; ++column) {
      const char c = line[static_cast<size_t>(column - 1)];
      const std::optional<int32_t> code = codeOf(c);
      if (!code) {
        const bool printable = static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
        report(row, column,
               printable ? std::string("unknown character '") + c + "'"
                         : "unknown character (byte " +
                               std::to_string(static_cast<unsigned char>(c)) + ")");
        continue;
      }
      cell(grid, row, column) = *code;
    }
  }
  if (!result.errors.empty()) return result;

  checkPlacement(grid, report);
  if (!result.errors.empty()) return result;
  checkReachable(grid, report);
  if (result.errors.empty()) result.grid = grid;
  return result;
}

std::string formatLevel(const std::string& title, const LevelCells& grid) {
  std::string text = title + "\n";
  for (int row = 1; row <= kLevelRows; ++row) {
    for (int column = 1; column <= kLevelColumns; ++column) text += charOf(cell(grid, row, column));
    text += '\n';
  }
  return text;
}

}  // namespace levels
