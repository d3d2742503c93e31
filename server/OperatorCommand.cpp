#include "server/OperatorCommand.h"

#include "server/ScoreService.h"
#include "server/ScreenText.h"
#include "server/UtcTime.h"

namespace {

int Removed(std::int64_t count, const std::string& what, std::ostream& out) {
  out << (count == 0 ? "no record "
                     : "removed " + std::to_string(count) + (count == 1 ? " record " : " records "))
      << what << '\n';
  return count == 0 ? 1 : 0;
}

}  // namespace

int RunOperatorCommand(const ServerOptions& options, ScoreStore& store, std::ostream& out) {
  switch (options.command) {
    case ServerOptions::Command::RemoveId:
      return Removed(store.Remove(options.removeId), "with id " + std::to_string(options.removeId),
                     out);
    case ServerOptions::Command::RemoveAddress:
      return Removed(store.RemoveFrom(options.removeAddress), "from " + options.removeAddress, out);
    default:
      break;
  }
  out << "id\tscore\tname\tsecond name\tsent (UTC)\taddress\n";
  for (const StoredScore& entry : store.Best(kRecordsShown)) {
    out << entry.id << '\t' << entry.score << '\t' << ScreenTextToUtf8(entry.name) << '\t'
        << ScreenTextToUtf8(entry.add) << '\t' << UtcTime(entry.time, "%Y-%m-%d %H:%M:%S") << '\t'
        << entry.address << '\n';
  }
  return 0;
}
