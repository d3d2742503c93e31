#include "online/ScoreRecord.h"

#include <array>
#include <vector>

namespace {

constexpr int kSymbolBits = 5;
constexpr int kByteBits = 8;
constexpr std::size_t kRecordBlock = 5;  // the record's length divides by this

// The record's fields in their order; each field is its label followed by its value.
constexpr std::array<std::string_view, 7> kLabels = {
    "type=", "name=", "score=", "key=", "p=", "add=", "z="};
enum Field { kType, kName, kScore, kKey, kToken, kAdd, kPadding };

std::vector<std::string_view> SplitFields(std::string_view record) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t bar = record.find('|'); bar != std::string_view::npos;
       bar = record.find('|', start)) {
    fields.push_back(record.substr(start, bar - start));
    start = bar + 1;
  }
  fields.push_back(record.substr(start));
  return fields;
}

}  // namespace

std::string ShiftText(std::string_view text) {
  std::string shifted;
  shifted.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    shifted.push_back(static_cast<char>(byte <= 187 ? byte + 64 : byte + 63));
  }
  return shifted;
}

std::optional<std::string> UnshiftText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 63) return std::nullopt;
    // 64..251 came from 0..187 (251 also from 188, which the record cannot tell apart: it
    // becomes 187); 252..255 and 0..62 came from 189..255.
    plain.push_back(static_cast<char>(byte >= 64 && byte <= 251 ? byte - 64 : byte - 63));
  }
  return plain;
}

std::string BytesToBitString(std::string_view bytes) {
  std::string digits;
  digits.reserve(bytes.size() * kByteBits);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    for (int bit = kByteBits - 1; bit >= 0; --bit) digits.push_back((byte >> bit) & 1 ? '1' : '0');
  }
  return digits;
}

std::string BitStringToSymbols(std::string_view digits) {
  const std::size_t padding = (kSymbolBits - digits.size() % kSymbolBits) % kSymbolBits;
  const std::string padded = std::string(padding, '0') + std::string(digits);
  std::string symbols;
  symbols.reserve(padded.size() / kSymbolBits);
  for (std::size_t group = 0; group < padded.size(); group += kSymbolBits) {
    unsigned value = 0;
    for (int i = 0; i < kSymbolBits; ++i) value = value * 2 + (padded[group + i] != '0' ? 1 : 0);
    symbols.push_back(kRecordSymbols[value]);
  }
  return symbols;
}

std::optional<std::string> SymbolsToBitString(std::string_view symbols) {
  std::string digits;
  digits.reserve(symbols.size() * kSymbolBits);
  for (const char symbol : symbols) {
    const std::size_t value = kRecordSymbols.find(symbol);
    if (value == std::string_view::npos) return std::nullopt;
    for (int bit = kSymbolBits - 1; bit >= 0; --bit) {
      digits.push_back((value >> bit) & 1 ? '1' : '0');
    }
  }
  return digits;
}

std::optional<std::string> BitStringToBytes(std::string_view digits) {
  // Whole bytes padded to a multiple of five digits carry 0 to 4 extra digits in front.
  const std::size_t padding = digits.size() % kByteBits;
  if (padding >= kSymbolBits) return std::nullopt;
  if (digits.substr(0, padding).find_first_not_of('0') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(digits.size() / kByteBits);
  for (std::size_t start = padding; start < digits.size(); start += kByteBits) {
    unsigned value = 0;
    for (int i = 0; i < kByteBits; ++i) {
      const char digit = digits[start + i];
      if (digit != '0' && digit != '1') return std::nullopt;
      value = value * 2 + (digit == '1' ? 1 : 0);
    }
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

std::optional<std::string> VersionToken(std::string_view answer) {
  if (!answer.starts_with("OK")) return std::nullopt;
  // Five passes, each taking the text before the first "|" and keeping what follows it; without
  // a "|" a pass takes nothing and keeps the text. The fifth pass takes the token.
  std::string_view field;
  for (int pass = 0; pass < 5; ++pass) {
    const std::size_t bar = answer.find('|');
    if (bar == std::string_view::npos) {
      field = {};
      continue;
    }
    field = answer.substr(0, bar);
    answer.remove_prefix(bar + 1);
  }
  return std::string(field);
}

std::string BuildScoreRecord(std::string_view name, std::int32_t score, std::string_view token,
                             std::string_view addText) {
  std::string record = "type=0|name=" + ShiftText(name) + "|score=" + std::to_string(score) +
                       "|key=" + kRecordKey + "|p=" + std::string(token) +
                       "|add=" + ShiftText(addText) + "|z=";
  record.append((kRecordBlock - record.size() % kRecordBlock) % kRecordBlock, '0');
  return record;
}

std::string EncodeScoreRecord(std::string_view record) {
  return BitStringToSymbols(BytesToBitString(record));
}

std::optional<TScoreRecord> ParseScoreRecord(std::string_view record, std::string& error) {
  const std::vector<std::string_view> fields = SplitFields(record);
  if (fields.size() != kLabels.size()) {
    error = "the record has " + std::to_string(fields.size()) + " fields, not " +
            std::to_string(kLabels.size());
    return std::nullopt;
  }
  std::array<std::string_view, kLabels.size()> values;
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    if (!fields[i].starts_with(kLabels[i])) {
      error = "field " + std::to_string(i + 1) + " is not \"" + std::string(kLabels[i]) + "\"";
      return std::nullopt;
    }
    values[i] = fields[i].substr(kLabels[i].size());
  }
  const std::string_view padding = values[kPadding];
  if (padding.size() >= kRecordBlock || padding.find_first_not_of('0') != std::string_view::npos ||
      record.size() % kRecordBlock != 0) {
    error = "the record is not padded with \"0\" to a length that divides by 5";
    return std::nullopt;
  }
  const std::optional<std::string> name = UnshiftText(values[kName]);
  const std::optional<std::string> addText = UnshiftText(values[kAdd]);
  if (!name || !addText) {
    error = "a name holds a byte that no shifted text has";
    return std::nullopt;
  }
  return TScoreRecord{std::string(values[kType]),  *name,
                      std::string(values[kScore]), std::string(values[kKey]),
                      std::string(values[kToken]), *addText};
}

std::optional<TScoreRecord> DecodeScoreRecord(std::string_view symbols, std::string& error) {
  const std::optional<std::string> digits = SymbolsToBitString(symbols);
  if (!digits) {
    error = "a symbol is outside the alphabet";
    return std::nullopt;
  }
  const std::optional<std::string> record = BitStringToBytes(*digits);
  if (!record) {
    error = "the symbols do not give whole bytes";
    return std::nullopt;
  }
  return ParseScoreRecord(*record, error);
}
