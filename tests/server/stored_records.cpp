#include "tests/server/stored_records.h"

namespace server_testing {

bool SendRecord(ScoreStore& store, const StoredScore& record, std::int64_t nowMs) {
  const auto token = store.IssueToken(record.address, nowMs);
  return token && store.AddWithToken(*token, record, nowMs);
}

}  // namespace server_testing
