#include "prjfile/PrjIo.h"

namespace mz {

void PrjOutput::count(long n, std::string_view label) {
  text_.append(cformat("%ld ! ", n));
  text_.append(label);
  text_.append(":\n");
}

std::string_view PrjOutput::checkedName(std::string_view name, std::size_t size) {
  bool bad = name.empty() || name.size() >= size || name.front() == '*' || name.front() == '!';
  for (char c : name)
    if (c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r') bad = true;
  if (bad)
    reporter_.report(Severity::Error,
                     {cformat("Invalid name: \"%.*s\"", int(name.size()), name.data())});
  return name;
}

void PrjOutput::name(std::string_view name, std::size_t size) {
  text_.append(checkedName(name, size));
}

std::string PrjOutput::lineText(std::string_view text, std::size_t limit) const {
  std::string line;
  if (!text.empty() && text.front() == '!') line.push_back(' ');
  for (char c : text) line.push_back(c == '\n' || c == '\r' ? ' ' : c);
  if (line.size() > limit) line.resize(limit);
  return line;
}

void PrjOutput::wholeLine(std::string_view text, std::size_t limit) {
  text_.append(lineText(text, limit));
  text_.push_back('\n');
}

void PrjOutput::error(std::string_view message, long number) {
  reporter_.report(Severity::Error, {message, formatInt(number)});
}

std::optional<int> PrjInput::count() {
  std::int32_t n = in.readInt(ReadMode::FirstOfNextLine);
  if (failed()) return std::nullopt;
  if (n < 0 || static_cast<std::size_t>(n) > size_) {
    error("Invalid count in project file: ", n);
    return std::nullopt;
  }
  return n;
}

std::optional<int> PrjInput::countNext(std::size_t limit) {
  std::int32_t n = in.readInt(ReadMode::NextToken);
  if (failed()) return std::nullopt;
  if (n < 0 || static_cast<std::size_t>(n) > size_ ||
      (limit > 0 && static_cast<std::size_t>(n) > limit)) {
    error(limit > 0 ? cformat("More than %zu points or entries: ", limit) : "Invalid count: ", n);
    return std::nullopt;
  }
  return n;
}

bool PrjInput::end() {
  std::string token;
  if (in.readToken(token, ReadMode::FirstOfNextLine) && parseInteger(token) == kEndOfSection)
    return true;
  reporter.report(Severity::Error, {"PRJ read error; see LOG file"});
  return false;
}

bool PrjInput::number(int expected, std::string_view mismatch) {
  std::int32_t n = in.readInt(ReadMode::FirstOfNextLine);
  if (failed()) return false;
  if (n != expected) {
    error(mismatch, expected);
    return false;
  }
  return true;
}

std::string PrjInput::name(std::size_t size) {
  std::string token;
  if (!in.readToken(token, ReadMode::NextToken, size))
    reporter.report(Severity::Error, {"PRJ read error; see LOG file"});
  return token;
}

std::string PrjInput::line(std::size_t limit) {
  std::string text;
  if (!in.readToken(text, ReadMode::NextLine, limit + 2))
    reporter.report(Severity::Error, {"PRJ read error; see LOG file"});
  return text;
}

void PrjInput::error(std::string_view message, long number) {
  reporter.report(Severity::Error, {message, formatInt(number)});
}

bool PrjInput::checkRef(long number, long lo, long count, std::string_view message, long owner) {
  if (number >= lo && number <= count) return true;
  error(message, owner);
  return false;
}

}  // namespace mz
