#pragma once
// Laboratory scripts: one command a line, each a user's action on a control
// of the main window (by its object name), a timer's ticks, or a request to
// print or save what the window would show. The interpreter starts from the
// window's state after start-up and drives the same Laboratory handlers as
// the window does, so a script replays a piece of work exactly.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace quorvan {

class Canvas;

// A canvas that can be saved as a picture. Only a build with Qt has one; the
// interpreter lets the laboratory draw on it from the very start, so that a
// picture holds everything the window would have drawn.
class PictureCanvas {
 public:
  virtual ~PictureCanvas() = default;
  virtual Canvas& canvas() = 0;
  // Writes the whole canvas as a PNG file; false, with a reason, when it
  // cannot.
  virtual bool writePng(const std::string& path, std::string& error) = 0;
};

// The most timer ticks one command fires before it gives up and says so: far
// beyond any real run or trial, yet only seconds of work.
inline constexpr std::int64_t kScriptMaxTicks = 10'000'000;

struct ScriptOptions {
  // The script's name in messages ("FILE:LINE: ...").
  std::string fileName = "<stdin>";
  // The working directory, already prepared; every relative path of the
  // laboratory and of `picture` is resolved against it.
  std::string workDir = ".";
  // The calendar time every reseed from the clock reads; unset, the real
  // clock.
  std::optional<std::uint32_t> clockSeconds;
  // One JSON object of every control's state at the end, in place of the
  // printed lines.
  bool json = false;
  // Null when the build cannot write pictures.
  PictureCanvas* pictures = nullptr;
  std::int64_t maxTicks = kScriptMaxTicks;
};

// Runs the script read from `in`; `out` receives printed values and warnings
// (or the JSON object), `err` the notes and the message of a bad line.
// Returns the exit code: 0, 1 when a file could not be written or a handler
// failed, 2 for bad input (the line's message is "FILE:LINE: ..." and
// nothing after that line runs).
int runScript(std::istream& in, std::ostream& out, std::ostream& err, const ScriptOptions& options);

}  // namespace quorvan
