// The connection thread: beside the game's frames it checks the score server and sends a new
// record. It reads only what it was handed at its start and touches no game object; it publishes
// its outcome, which the main thread takes at the start of a frame and acts on.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "online/HttpClient.h"
#include "online/ScoreRecord.h"

// The two requests to the server's script, after its address.
inline const std::string kVersionRequest =
    std::string(kScriptPath) + "?version&prg=" + std::string(kProgramName);
inline const std::string kSubmitRequest =
    std::string(kScriptPath) + "?hs&prg=" + std::string(kProgramName) + "&inf=";
// The record's replay follows it in a POST of its own, tied to it by the record's token.
inline const std::string kReplayRequest =
    std::string(kScriptPath) + "?replay&prg=" + std::string(kProgramName) + "&p=";

// What one submission sends, and where.
struct TSubmission {
  std::string ServerAddress;  // "http://host:port", without a trailing "/"
  std::string Name;
  std::string AddText;  // the second name
  std::int32_t Score = 0;
  std::vector<std::uint8_t> Replay;  // the record's game (replay/ReplayFile.h); none: not sent
};

enum class TSubmitOutcome : std::uint8_t {
  None,    // nothing to report: not started, still running, or already taken
  Sent,    // the version check answered "OK" and the record went out, its replay after it (their
           // answers are not read)
  Failed,  // no usable answer to the version check: nothing was sent
};

class ConnThrd {
 public:
  ConnThrd() = default;  // no thread until Start
  // Waits for the thread to end; a request still running is cut short first.
  ~ConnThrd();
  ConnThrd(const ConnThrd&) = delete;
  ConnThrd& operator=(const ConnThrd&) = delete;

  // Runs the submission on a thread of its own, at the lowest priority, with `client` for its
  // requests. An object runs one submission: a later Start does nothing.
  void Start(std::unique_ptr<THttpClient> client, TSubmission submission);
  // The outcome once the thread has ended, handed over once; None before and after.
  TSubmitOutcome TakeOutcome();

 private:
  // The thread's body: the version check, the record, then its replay.
  void Execute();

  std::unique_ptr<THttpClient> client_;
  TSubmission submission_;
  std::atomic<TSubmitOutcome> outcome_{TSubmitOutcome::None};
  std::thread thread_;
};
