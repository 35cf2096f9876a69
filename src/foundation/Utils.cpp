#include "foundation/Utils.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>

#include "foundation/Formats.h"
#include "foundation/Heap.h"

namespace mz {

namespace {

constexpr int kEnd = -1;

bool separates(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == ',';
}
bool dropped(int c) {
  return c == '\0' || c == '\r';
}

}  // namespace

TokenReader::TokenReader(ErrorReporter& reporter) : reporter_(reporter) {}

TokenReader::~TokenReader() = default;

bool TokenReader::open(const std::filesystem::path& path, OpenFailure failure,
                       std::source_location where) {
  close();
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    reporter_.report(failure == OpenFailure::Fatal ? Severity::Fatal : Severity::Error,
                     {" Could not open file: ", path.native()}, where);
    return false;
  }
  long size = -1;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) size = std::ftell(file.get());
  std::rewind(file.get());
  bool whole = false;
  if (size >= 0) {
    try {
      data_.assign(static_cast<std::size_t>(size), '\0');
      const std::size_t got = std::fread(data_.data(), 1, data_.size(), file.get());
      data_.resize(got);
      whole = true;
    } catch (const std::bad_alloc&) {
      data_.clear();
      data_.shrink_to_fit();
    }
  }
  if (whole) {
    wholeFile_ = true;
    cursor_ = 0;
  } else {
    // Not enough memory for the whole file: read it through a buffer instead.
    wholeFile_ = false;
    directBuffer_ = std::make_unique<char[]>(kDirectBufferSize);
    std::setvbuf(file.get(), directBuffer_.get(), _IOFBF, kDirectBufferSize);
    file_ = std::move(file);
  }
  open_ = true;
  echoedUpTo_ = 0;
  lastReadWasLineFeed_ = false;
  return true;
}

void TokenReader::openText(std::string text) {
  close();
  data_ = std::move(text);
  wholeFile_ = true;
  cursor_ = 0;
  echoedUpTo_ = 0;
  open_ = true;
  lastReadWasLineFeed_ = false;
}

void TokenReader::close() {
  open_ = false;
  data_.clear();
  data_.shrink_to_fit();
  cursor_ = 0;
  file_.reset();
  directBuffer_.reset();
  wholeFile_ = true;
}

bool TokenReader::isOpen() const {
  return open_;
}

void TokenReader::rewind() {
  if (!open_) return;
  if (wholeFile_)
    cursor_ = 0;
  else
    std::rewind(file_.get());
}

long TokenReader::tell() const {
  if (!open_) return 0;
  return wholeFile_ ? static_cast<long>(cursor_) : std::ftell(file_.get());
}

void TokenReader::seek(long offset, int origin) {
  if (!open_) return;
  if (!wholeFile_) {
    std::fseek(file_.get(), origin == 2 ? 0 : offset,
               origin == 0   ? SEEK_SET
               : origin == 1 ? SEEK_CUR
                             : SEEK_END);
    return;
  }
  long target = origin == 0   ? offset
                : origin == 1 ? static_cast<long>(cursor_) + offset
                              : static_cast<long>(data_.size());
  if (target < 0) target = 0;
  if (target > static_cast<long>(data_.size())) target = static_cast<long>(data_.size());
  cursor_ = static_cast<std::size_t>(target);
}

void TokenReader::echoChar(int c) {
  if (!echo_) return;
  const char ch = static_cast<char>(c);
  reporter_.logText(std::string_view(&ch, 1));
}

int TokenReader::readChar() {
  if (!open_) return kEnd;
  int c;
  if (wholeFile_) {
    if (cursor_ >= data_.size()) return kEnd;
    c = static_cast<unsigned char>(data_[cursor_++]);
    if (cursor_ > echoedUpTo_) {
      echoedUpTo_ = cursor_;
      echoChar(c);
    }
  } else {
    c = std::fgetc(file_.get());
    if (c == EOF) return kEnd;
    echoChar(c);
  }
  lastReadWasLineFeed_ = c == '\n';
  return c;
}

void TokenReader::unreadChar(int c) {
  if (!open_ || c == kEnd) return;
  if (wholeFile_) {
    if (cursor_ > 0) --cursor_;
  } else {
    std::ungetc(c, file_.get());
  }
}

void TokenReader::pushBackLineEnd() {
  // Only a line feed that was actually consumed is given back: at the end of the data without
  // one, stepping back would hand out the line's last character again.
  if (lastReadWasLineFeed_) unreadChar('\n');
}

bool TokenReader::storeLine(std::string& buffer, std::size_t size) {
  // A line holds at most size - 2 characters.
  const std::size_t room = size >= 2 ? size - 2 : 0;
  buffer.clear();
  bool any = false;
  bool overflow = false;
  lastReadWasLineFeed_ = false;
  // A carriage return is held back until a further character shows it is not the line end, so
  // that a line of CR LF form fits the same room as its LF form.
  bool carriageReturn = false;
  auto store = [&](char ch) {
    if (buffer.size() < room)
      buffer.push_back(ch);
    else
      overflow = true;
  };
  for (int c = readChar(); c != kEnd; c = readChar()) {
    any = true;
    if (c == '\n') break;
    if (size == 0) continue;
    if (carriageReturn) store('\r');
    carriageReturn = c == '\r';
    if (!carriageReturn) store(static_cast<char>(c));
  }
  if (overflow) reporter_.report(Severity::Error, {"Buffer overflow: ", buffer});
  return any;
}

bool TokenReader::readLine(std::string& buffer, std::size_t size) {
  if (size == 0) {
    std::string skipped;
    return storeLine(skipped, 0);
  }
  return storeLine(buffer, size);
}

bool TokenReader::readToken(std::string& buffer, ReadMode mode, std::size_t size) {
  int c = readChar();
  const int m = static_cast<int>(mode);
  if (m <= 0) {
    if (!separates(c)) unreadChar(c);
  } else if (m == 1) {
    if (c != '\n' && c != kEnd) readLine(buffer, 0);
  } else if (m == 2) {
    if (c == '\n') {
      unreadChar(c);
      return true;
    }
    if (c == kEnd) {
      buffer.clear();
      return false;
    }
    if (c != ' ') unreadChar(c);
    storeLine(buffer, size);
    pushBackLineEnd();
    return true;
  } else {
    if (c != '\n' && c != kEnd) readLine(buffer, 0);
    bool got = storeLine(buffer, size);
    while (got && m == 3 && buffer.starts_with('!')) got = storeLine(buffer, size);
    if (!got) {
      buffer.clear();
      return false;
    }
    pushBackLineEnd();
    return true;
  }

  // Skip to the token.
  for (;;) {
    c = readChar();
    if (c == kEnd) {
      buffer.clear();
      return false;
    }
    if (separates(c) || dropped(c)) continue;
    if (c == '!') {
      std::string skipped;
      storeLine(skipped, 0);
      continue;
    }
    if (c == '*') {
      close();
      buffer.clear();
      return false;
    }
    break;
  }
  // Collect it.
  buffer.clear();
  const std::size_t room = size > 0 ? size - 1 : 0;
  bool overflow = false;
  for (; c != kEnd; c = readChar()) {
    if (separates(c)) {
      unreadChar(c);
      break;
    }
    if (dropped(c)) continue;
    if (buffer.size() < room)
      buffer.push_back(static_cast<char>(c));
    else
      overflow = true;
  }
  if (overflow) reporter_.report(Severity::Error, {"Buffer overflow: ", buffer});
  return true;
}

std::optional<std::string> TokenReader::next(ReadMode mode, std::size_t size) {
  std::string buffer;
  if (!readToken(buffer, mode, size)) return std::nullopt;
  return buffer;
}

std::string TokenReader::readValueToken(ReadMode mode) {
  std::string buffer;
  readToken(buffer, mode, kValueTokenSize);
  return buffer;
}

// ---- conversions ----

namespace {

// Decimal order of magnitude of a well-formed number text: positive when it is at least 1.
long decimalOrder(std::string_view text) {
  long exponent = 0;
  const std::size_t e = text.find_first_of("eE");
  if (e != std::string_view::npos) {
    std::string_view digits = text.substr(e + 1);
    const bool negative = digits.starts_with('-');
    if (digits.starts_with('-') || digits.starts_with('+')) digits.remove_prefix(1);
    for (char ch : digits) exponent = exponent < 100000 ? exponent * 10 + (ch - '0') : exponent;
    if (negative) exponent = -exponent;
    text = text.substr(0, e);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::size_t lead = whole.find_first_of("123456789");
  if (lead != std::string_view::npos) return exponent + static_cast<long>(whole.size() - lead);
  if (point == std::string_view::npos) return exponent;
  const std::string_view fraction = text.substr(point + 1);
  const std::size_t first = fraction.find_first_of("123456789");
  if (first == std::string_view::npos) return exponent;
  return exponent - static_cast<long>(first);
}

}  // namespace

std::optional<double> parseReal(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    const bool negative = text.starts_with('-');
    if (decimalOrder(negative ? text.substr(1) : text) <= 0) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
  if (ec != std::errc()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
  std::string_view digits = text;
  if (digits.starts_with('+') || digits.starts_with('-')) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 18) return std::nullopt;
  for (char ch : digits)
    if (ch < '0' || ch > '9') return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return text.starts_with('-') ? -value : value;
}

std::optional<std::int32_t> parseClockTime(std::string_view t) {
  auto digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
  auto at = [&](std::size_t i) { return i < t.size() ? t[i] : '\0'; };
  if (!digit(0)) return std::nullopt;
  int hours;
  std::size_t i;
  if (at(1) == ':') {
    hours = t[0] - '0';
    i = 2;
  } else {
    if (!digit(1) || at(2) != ':') return std::nullopt;
    hours = (t[0] - '0') * 10 + (t[1] - '0');
    if (hours > 24) return std::nullopt;
    i = 3;
  }
  auto pair = [&](std::size_t j) -> int {
    if (!(at(j) >= '0' && at(j) <= '5') || !digit(j + 1)) return -1;
    return (t[j] - '0') * 10 + (t[j + 1] - '0');
  };
  const int minutes = pair(i);
  if (minutes < 0 || at(i + 2) != ':') return std::nullopt;
  const int seconds = pair(i + 3);
  if (seconds < 0) return std::nullopt;
  const int value = (hours * 60 + minutes) * 60 + seconds;
  if (value > kSecondsPerDay) return std::nullopt;
  return value;
}

std::optional<int> parseMonthNameDate(std::string_view text) {
  std::string name;
  int day = 0, digits = 0;
  for (char ch : text) {
    if (ch == ' ') continue;
    if (std::isalpha(static_cast<unsigned char>(ch))) {
      if (digits > 0 || name.size() == 3) return std::nullopt;
      name.push_back(static_cast<char>(name.empty()
                                           ? std::toupper(static_cast<unsigned char>(ch))
                                           : std::tolower(static_cast<unsigned char>(ch))));
    } else if (ch >= '0' && ch <= '9') {
      if (digits == 2) return std::nullopt;
      day = day * 10 + (ch - '0');
      ++digits;
    } else {
      return std::nullopt;
    }
  }
  for (int m = 0; m < 12; ++m) {
    if (kMonths[m].name != name) continue;
    if (day < 1 || day > kMonths[m].days) return std::nullopt;
    return dayOfYear(m + 1, day);
  }
  return std::nullopt;
}

std::optional<int> parseMonthSlashDate(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto month = parseInteger(text.substr(0, slash));
  const auto day = parseInteger(text.substr(slash + 1));
  if (!month || !day || text.substr(0, slash).find_first_of("+-") != std::string_view::npos ||
      text.substr(slash + 1).find_first_of("+-") != std::string_view::npos)
    return std::nullopt;
  if (*month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > kMonths[static_cast<std::size_t>(*month - 1)].days) return std::nullopt;
  return dayOfYear(static_cast<int>(*month), static_cast<int>(*day));
}

// ---- value readers ----

double TokenReader::readReal(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = parseReal(token);
  if (!value) {
    reporter_.report(Severity::Error, {token, " is not a (valid) number"});
    return 0;
  }
  return *value;
}

float TokenReader::readFloat(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = parseReal(token);
  if (!value) {
    reporter_.report(Severity::Error, {"Bad float value: ", token});
    return 0;
  }
  if (std::fabs(*value) > 3.4028235e38) {
    reporter_.report(Severity::Error, {"Bad float value: ", token});
    return *value > 0 ? std::numeric_limits<float>::infinity()
                      : -std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(*value);
}

namespace {

std::optional<std::int32_t> asInt32(std::string_view token) {
  const auto value = parseInteger(token);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

}  // namespace

std::int32_t TokenReader::readInt(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = asInt32(token);
  if (!value) {
    reporter_.report(Severity::Error, {"Bad integer: ", token});
    return 0;
  }
  return *value;
}

std::int32_t TokenReader::readLong(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = asInt32(token);
  if (!value) {
    reporter_.report(Severity::Error, {"Bad long integer: ", token});
    return 0;
  }
  return *value;
}

std::int16_t TokenReader::readShort(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = asInt32(token);
  if (!value || *value < -32768 || *value > 32767) {
    reporter_.report(Severity::Error, {"Bad short integer: ", token});
    return value ? static_cast<std::int16_t>(static_cast<std::uint32_t>(*value) & 0xFFFFu) : 0;
  }
  return static_cast<std::int16_t>(*value);
}

std::uint16_t TokenReader::readUShort(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = asInt32(token);
  if (!value || *value < 0 || *value > 65535) {
    reporter_.report(Severity::Error, {"Bad short unsigned integer: ", token});
    return value ? static_cast<std::uint16_t>(static_cast<std::uint32_t>(*value) & 0xFFFFu) : 0;
  }
  return static_cast<std::uint16_t>(*value);
}

std::uint8_t TokenReader::readByte(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto value = asInt32(token);
  if (!value || *value < 0 || *value > 255) {
    reporter_.report(Severity::Error, {"Bad 8-bit unsigned integer: ", token});
    return value ? static_cast<std::uint8_t>(static_cast<std::uint32_t>(*value) & 0xFFu) : 0;
  }
  return static_cast<std::uint8_t>(*value);
}

std::int32_t TokenReader::readTime(ReadMode mode) {
  const std::string token = readValueToken(mode);
  std::optional<std::int32_t> value;
  if ((token.size() > 1 && token[1] == ':') || (token.size() > 2 && token[2] == ':')) {
    value = parseClockTime(token);
  } else {
    value = asInt32(token);
    if (value && (*value < 0 || *value > kSecondsPerDay)) value.reset();
  }
  if (!value) {
    reporter_.report(Severity::Error, {token, " is not a valid time"});
    return 0;
  }
  return *value;
}

int TokenReader::readDate(ReadMode mode) {
  const std::string token = readValueToken(mode);
  if (token.size() > 2 && std::isalpha(static_cast<unsigned char>(token[2]))) {
    const auto day = parseMonthNameDate(token);
    if (!day) {
      reporter_.report(Severity::Error, {token, " is not a valid date"});
      return 1;
    }
    return *day;
  }
  const auto day = asInt32(token);
  if (!day || *day < 1 || *day > kDaysPerYear) {
    reporter_.report(Severity::Error, {token, " is not a valid date"});
    return 0;
  }
  return *day;
}

int TokenReader::readMonthDay(ReadMode mode) {
  const std::string token = readValueToken(mode);
  const auto day = parseMonthSlashDate(token);
  if (!day) {
    reporter_.report(Severity::Error, {token, " is not a valid mm/dd date"});
    return 0;
  }
  return *day;
}

std::size_t lookupKeyword(ErrorReporter& reporter, std::string_view text,
                          std::span<const std::string_view> table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i] == text) return i;
  reporter.report(Severity::Error, {"Undefined Element Type: ", text});
  return table.size();
}

}  // namespace mz
