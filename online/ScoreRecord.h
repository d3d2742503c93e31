// The score record a new record is sent in, and its encoding into the symbols of the submission
// request: the game encodes, the score server decodes. Pure functions on byte strings (texts are
// the screen font's bytes as stored).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The server's script, which answers the version check and takes records, and the program name
// both sides give in its requests.
inline constexpr std::string_view kScriptPath = "/cgi/version.pl";
inline constexpr std::string_view kProgramName = "Glintbreaker";

// The 32 symbols of an encoded record, value 0 first (no I, O, Z or 0).
inline constexpr std::string_view kRecordSymbols = "ABCDEFGHJKLMNPQRSTUVWXY123456789";
// The fixed capital letter of the record's key field.
inline constexpr char kRecordKey = 'G';

// Each byte c becomes c + 64 if c <= 187, else c + 63, modulo 256: 187 and 188 both become 251,
// and 63 never occurs.
std::string ShiftText(std::string_view text);
// Undoes ShiftText; nothing when the text holds a 63, which no shifted text does.
std::optional<std::string> UnshiftText(std::string_view text);

// Each byte as eight digits "0" or "1", most significant first.
std::string BytesToBitString(std::string_view bytes);
// "0" in front until the length divides by 5, then each group of five digits (the first most
// significant, any digit but "0" counting as 1) gives the symbol of its value.
std::string BitStringToSymbols(std::string_view digits);
// Each symbol as its five digits; nothing for a character outside kRecordSymbols.
std::optional<std::string> SymbolsToBitString(std::string_view symbols);
// Undoes BytesToBitString after BitStringToSymbols: the 0 to 4 leading digits that padded the
// bytes' digits to a multiple of five are dropped. Nothing when the digits cannot have come from
// whole bytes (5 to 7 extra digits, a padding digit that is not "0", a digit other than 0 and 1).
std::optional<std::string> BitStringToBytes(std::string_view digits);

// The token of the server's version answer: the text between its fourth and fifth "|". Nothing
// when the answer does not begin with "OK"; empty when it has fewer than five "|".
std::optional<std::string> VersionToken(std::string_view answer);

// The fields of a record as sent.
struct TScoreRecord {
  std::string Type;       // "0"
  std::string Name;       // the player's name, unshifted
  std::string ScoreText;  // the score in decimal, as sent
  std::string Key;        // kRecordKey
  std::string Token;      // the p field: the token of the version answer
  std::string AddText;    // the player's second name, unshifted
};

// "type=0|name=" shifted name "|score=" score "|key=G|p=" token "|add=" shifted second name
// "|z=", then "0" characters until the length divides by 5 (none when it already does).
std::string BuildScoreRecord(std::string_view name, std::int32_t score, std::string_view token,
                             std::string_view addText);
// The symbols of the submission request: BitStringToSymbols(BytesToBitString(record)).
std::string EncodeScoreRecord(std::string_view record);

// The fields of a record built by BuildScoreRecord, names unshifted. Every field must be present,
// in its order, with its label; "z" holds only "0" padding up to a length that divides by 5.
// A name whose shifted bytes hold "|" (a "<" typed) cannot be told from the field separator, so
// such a record is refused. A shifted 251 comes back as 187: 188 gave 251 too, and the record
// cannot tell them apart. Nothing, with the reason in `error`, when the record is malformed.
std::optional<TScoreRecord> ParseScoreRecord(std::string_view record, std::string& error);
// Symbols, as sent in the submission request, to the record's fields; nothing, with the reason in
// `error`, for a symbol outside the alphabet, digits that do not give whole bytes or a malformed
// record.
std::optional<TScoreRecord> DecodeScoreRecord(std::string_view symbols, std::string& error);
