#include "tests/e2e/record_game.h"

#include <vector>

#include "tests/scenario/level_fixture.h"
#include "userdata/Records.h"

namespace e2e {

LevelCells RoofedBrickLevel() {
  std::vector<std::string> rows(17);
  rows[2] = "..####....####.....";
  rows[15] = ".........#";
  rows[16] = ".........1";
  return testing_support::Level(rows);
}

std::string LowRecordsFile() {
  TRecordsTable table = TRecordsTable::Defaults();
  int score = 10;
  for (TRecordEntry& entry : table.Entries) {
    entry.NameLength = 3;
    entry.Name = {'L', 'o', 'w'};
    entry.Score = score--;
  }
  const auto bytes = table.Encode();
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace e2e
