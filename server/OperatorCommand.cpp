#include "server/OperatorCommand.h"

#include "server/ScoreService.h"
#include "server/ScreenText.h"
#include "server/UtcTime.h"

namespace {

const char* StateName(ReplayState state) {
  switch (state) {
    case ReplayState::Pending:
      return "waiting";
    case ReplayState::Verified:
      return "verified";
    case ReplayState::Flagged:
      return "FLAGGED";
    case ReplayState::None:
      break;
  }
  return "none";
}

int Removed(std::int64_t count, const std::string& what, std::ostream& out) {
  out << (count == 0 ? "no record "
                     : "removed " + std::to_string(count) + (count == 1 ? " record " : " records "))
      << what << '\n';
  return count == 0 ? 1 : 0;
}

}  // namespace

int RunOperatorCommand(const ServerOptions& options, ScoreStore& store, std::ostream& out,
                       std::ostream& notes) {
  switch (options.command) {
    case ServerOptions::Command::RemoveId:
      return Removed(store.Remove(options.removeId), "with id " + std::to_string(options.removeId),
                     out);
    case ServerOptions::Command::RemoveAddress:
      return Removed(store.RemoveFrom(options.removeAddress), "from " + options.removeAddress, out);
    case ServerOptions::Command::Replay: {
      const StoredReplay replay = store.ReplayOf(options.removeId);
      if (replay.bytes.empty()) {
        notes << "no replay kept for record " << options.removeId << '\n';
        return 1;
      }
      out.write(replay.bytes.data(), static_cast<std::streamsize>(replay.bytes.size()));
      notes << "record " << options.removeId << ": " << StateName(replay.state) << ": "
            << replay.detail << '\n';
      return 0;
    }
    default:
      break;
  }
  out << "id\tscore\tname\tsecond name\tsent (UTC)\taddress\treplay\n";
  for (const StoredScore& entry : store.Best(kRecordsShown)) {
    out << entry.id << '\t' << entry.score << '\t' << ScreenTextToUtf8(entry.name) << '\t'
        << ScreenTextToUtf8(entry.add) << '\t' << UtcTime(entry.time, "%Y-%m-%d %H:%M:%S") << '\t'
        << entry.address << '\t' << StateName(entry.replay) << '\n';
  }
  return 0;
}
