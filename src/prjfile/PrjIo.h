#pragma once
// The shared machinery of the project file's section readers and writers: the output text with
// its section framing, and the input with its counted checks. Internal to the project file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "foundation/Lists.h"
#include "foundation/Utils.h"
#include "model/Project.h"

namespace mz {

inline constexpr int kEndOfSection = -999;

// The file text being written. Every value goes through cformat ("C" locale).
class PrjOutput {
 public:
  PrjOutput(ErrorReporter& reporter, std::string& text) : reporter_(reporter), text_(text) {}

  ErrorReporter& reporter() { return reporter_; }
  void put(std::string_view s) { text_.append(s); }
  template <class... A>
  void format(const char* fmt, A... args) {
    text_.append(cformat(fmt, args...));
  }
  // "%d ! <label>:\n"
  void count(long n, std::string_view label);
  // "-999\n"
  void end() { text_.append("-999\n"); }
  // A name written as one token: an empty name, one with a separator, one beginning with "*" or
  // "!", or one of `size` characters or more cannot be read back and is an ERROR report.
  void name(std::string_view name, std::size_t size = kNameSize);
  std::string_view checkedName(std::string_view name, std::size_t size = kNameSize);
  // A line read whole: line ends become blanks, a text beginning with "!" (a comment line to the
  // reader) gets a leading blank, and the text is cut to `limit` characters. Ends the line.
  void wholeLine(std::string_view text, std::size_t limit);
  std::string lineText(std::string_view text, std::size_t limit) const;
  // An ERROR report whose last part is the number.
  void error(std::string_view message, long number);

 private:
  ErrorReporter& reporter_;
  std::string& text_;
};

// The file being read, with the checks every section shares. A check that fails is an ERROR
// report; the caller stops at the first counted error.
class PrjInput {
 public:
  PrjInput(TokenReader& tokens, ErrorReporter& r, std::size_t size)
      : in(tokens), reporter(r), size_(size) {}

  TokenReader& in;
  ErrorReporter& reporter;
  // Grid size of the file's SketchPad (from the run control), for the item positions.
  int rows = 0, cols = 0;

  bool failed() const { return reporter.errorCount() != 0; }

  // A count as the first token of a new line. A negative count, or one larger than the file
  // could hold, is an ERROR report and gives nothing.
  std::optional<int> count();
  // A count read as the next token, at most `limit` (0: bounded by the file only).
  std::optional<int> countNext(std::size_t limit = 0);
  // The -999 line after a section: "PRJ read error; see LOG file" when it is missing.
  bool end();
  // A record's number as the first token of a new line, checked against its position.
  bool number(int expected, std::string_view mismatch);
  // A name token of at most size - 1 characters; the end of the data is an ERROR report.
  std::string name(std::size_t size = kNameSize);
  // A whole line (read mode 3) of at most `limit` characters.
  std::string line(std::size_t limit);

  float f(ReadMode m = ReadMode::NextToken) { return in.readFloat(m); }
  std::int16_t s(ReadMode m = ReadMode::NextToken) { return in.readShort(m); }
  std::int32_t i(ReadMode m = ReadMode::NextToken) { return in.readInt(m); }
  std::uint16_t us(ReadMode m = ReadMode::NextToken) { return in.readUShort(m); }
  std::uint8_t b(ReadMode m = ReadMode::NextToken) { return in.readByte(m); }

  // An ERROR report whose last part is the number.
  void error(std::string_view message, long number);
  // A reference number checked against lo..count; false after the message + `owner`.
  bool checkRef(long number, long lo, long count, std::string_view message, long owner);

 private:
  std::size_t size_;
};

// Reads a tuple of floats and 16-bit integers: the first as the first token of a new line.
template <class Tuple>
void readFields(PrjInput& in, Tuple fields) {
  bool first = true;
  std::apply(
      [&](auto&... field) {
        auto one = [&](auto& v) {
          ReadMode mode = first ? ReadMode::FirstOfNextLine : ReadMode::NextToken;
          first = false;
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, float>)
            v = in.f(mode);
          else
            v = in.s(mode);
        };
        (one(field), ...);
      },
      fields);
}

// Writes a tuple of floats (" %g") and 16-bit integers (" %d"), then the line end.
template <class Tuple>
void writeFields(PrjOutput& out, Tuple fields, std::string_view lead = "") {
  out.put(lead);
  std::apply(
      [&](auto&... field) {
        auto one = [&](auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, float>)
            out.format(" %g", static_cast<double>(v));
          else
            out.format(" %d", static_cast<int>(v));
        };
        (one(field), ...);
      },
      fields);
  out.put("\n");
}

// The number-to-record index of a section being read: entry n names record n.
template <class T>
class ReadIndex {
 public:
  void add(Ref<T> ref) { refs_.push_back(ref); }
  Ref<T> at(long number) const {
    return number >= 1 && static_cast<std::size_t>(number) <= refs_.size()
               ? refs_[static_cast<std::size_t>(number - 1)]
               : Ref<T>{};
  }
  long size() const { return static_cast<long>(refs_.size()); }

 private:
  std::vector<Ref<T>> refs_;
};

}  // namespace mz
