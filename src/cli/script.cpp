#include "cli/script.h"

#include <algorithm>
#include <charconv>
#include <deque>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "lab/laboratory.h"
#include "lab/library_menus.h"
#include "lab/menu_marks.h"
#include "lab/scheduler.h"
#include "lab/working_dir.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

// A script line is a command, not a document: anything longer is an error
// rather than a reason to hold gigabytes of a hostile input in memory.
constexpr std::size_t kMaxLineLength = 1 << 20;

// Thrown by a command that cannot go on; the run loop prints the message
// after "FILE:LINE: " and ends the script with the exit code.
struct ScriptError {
  int exitCode;
  std::string message;
};

[[noreturn]] void badInput(std::string message) { throw ScriptError{2, std::move(message)}; }
[[noreturn]] void cannotWrite(std::string message) { throw ScriptError{1, std::move(message)}; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string inQuotes(std::string_view s) {
  std::string q(1, '\'');
  q.append(s).push_back('\'');
  return q;
}

std::int64_t parseNumber(std::string_view word, std::string_view what) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec == std::errc::result_out_of_range)
    badInput(std::string(what) + " " + inQuotes(word) + " is out of range");
  if (ec != std::errc() || end != word.data() + word.size())
    badInput(std::string(what) + " must be a number, not " + inQuotes(word));
  return value;
}

std::int64_t nonNegative(std::int64_t value, std::string_view what) {
  if (value < 0) badInput(std::string(what) + " must not be negative");
  return value;
}

// The words of one line, left to right. A word that begins with '#' starts
// a comment, so the words after it are not read; `text` and `path` take the
// rest of the line as written, comment sign and all.
class Words {
 public:
  Words(std::string_view line, const char* usage) : rest_(line), usage_(usage) {}

  std::optional<std::string_view> next() {
    skipBlanks();
    if (rest_.empty() || rest_.front() == '#') return std::nullopt;
    std::size_t n = 0;
    while (n < rest_.size() && !isBlank(rest_[n])) ++n;
    const std::string_view word = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return word;
  }
  std::string_view required() {
    const std::optional<std::string_view> w = next();
    if (!w) badInput(std::string("missing argument; usage: ") + usage_);
    return *w;
  }
  void end() {
    if (const std::optional<std::string_view> w = next())
      badInput("unexpected " + inQuotes(*w) + "; usage: " + usage_);
  }
  // What follows the single blank after the last word, kept as written: an
  // edit's text may be empty or begin and end with blanks.
  std::string_view text() {
    if (!rest_.empty() && isBlank(rest_.front())) rest_.remove_prefix(1);
    return std::exchange(rest_, {});
  }
  // The rest of the line without its surrounding blanks, which no sensible
  // file name has; required.
  std::string_view path() {
    skipBlanks();
    std::string_view p = std::exchange(rest_, {});
    while (!p.empty() && isBlank(p.back())) p.remove_suffix(1);
    if (p.empty()) badInput(std::string("missing argument; usage: ") + usage_);
    return p;
  }
  std::int64_t number(std::string_view what) { return parseNumber(required(), what); }
  std::int64_t count(std::string_view what) { return nonNegative(number(what), what); }
  // A count that may be left out.
  std::optional<std::int64_t> optionalCount(std::string_view what) {
    const std::optional<std::string_view> w = next();
    if (!w) return std::nullopt;
    return nonNegative(parseNumber(*w, what), what);
  }
  // One of two words, answering whether it was the first.
  bool choice(const char* first, const char* second) {
    const std::string_view w = required();
    if (w == first) return true;
    if (w == second) return false;
    badInput("expected " + std::string(first) + " or " + second + ", not " + inQuotes(w) +
             "; usage: " + usage_);
  }

 private:
  void skipBlanks() {
    while (!rest_.empty() && isBlank(rest_.front())) rest_.remove_prefix(1);
  }
  std::string_view rest_;
  const char* usage_;
};

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Window: return "the window";
    case Kind::StatusBar: return "the status bar";
    case Kind::Group: return "a group box";
    case Kind::Button: return "a button";
    case Kind::CheckBox: return "a check box";
    case Kind::RadioGroup: return "a radio group";
    case Kind::Edit: return "an edit";
    case Kind::UpDown: return "a spinner";
    case Kind::Label: return "a label";
    case Kind::RichEdit: return "a panel";
    case Kind::Image: return "a picture";
    case Kind::Menu: return "a menu";
    case Kind::MenuItem: return "a menu item";
    case Kind::Timer: return "a timer";
  }
  return "a control";
}

// The window names a library item's action after its file, with '/' and '.'
// turned into '_' ("Library_RT_5_r_3_3_dat"); a script clicks it by that name.
std::optional<int> libraryItemByName(std::string_view name) {
  constexpr std::string_view kPrefix = "Library_";
  if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  const auto items = libraryItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::string n = std::string(kPrefix) + items[i].file;
    std::replace(n.begin(), n.end(), '/', '_');
    std::replace(n.begin(), n.end(), '.', '_');
    if (n == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

// Whether a file was written since a stamp was taken. A writer that only
// ever overwrites leaves the size alone, and the file system's clock may not
// have moved since the stamp, so the (small) contents count as well: a
// rewrite with the very same bytes in the same clock tick is all we miss.
struct FileStamp {
  bool exists = false;
  std::uintmax_t size = 0;
  fs::file_time_type time{};
  std::string contents;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

constexpr std::uintmax_t kComparedBytes = 1 << 20;

FileStamp stampOf(const std::string& path) {
  std::error_code ec;
  FileStamp s;
  const fs::file_status st = fs::status(path, ec);
  if (ec || !fs::is_regular_file(st)) return s;
  s.exists = true;
  s.size = fs::file_size(path, ec);
  s.time = fs::last_write_time(path, ec);
  if (!ec && s.size <= kComparedBytes) {
    std::ifstream in(path, std::ios::binary);
    s.contents.assign(std::istreambuf_iterator<char>(in), {});
  }
  return s;
}

struct WatchedFile {
  std::string name;  // as the script or the laboratory names it
  FileStamp before;
};

class Interpreter {
 public:
  Interpreter(std::ostream& out, std::ostream& err, const ScriptOptions& options)
      : out_(out), err_(err), o_(options) {
    LabEnvironment env;
    env.workDir = o_.workDir;
    env.showWarning = [this](const std::string& text) {
      if (!o_.json) out_ << "warning: " << text << '\n';
    };
    if (o_.clockSeconds) env.clockSeconds = [seconds = *o_.clockSeconds] { return seconds; };
    env.askFileName = [this](const std::string& filter) -> std::optional<std::string> {
      if (answers_.empty()) {
        note("a file dialog (" + filter + ") found no answer queued and was cancelled");
        return std::nullopt;
      }
      std::optional<std::string> a = std::move(answers_.front());
      answers_.pop_front();
      return a;
    };
    lab_ = std::make_unique<Laboratory>(std::move(env));
    lab_->controls.setJournalEnabled(false);  // no widgets mirror the controls here
    // From the very start, so that a picture holds everything drawn so far.
    if (o_.pictures) lab_->setCanvas(&o_.pictures->canvas());
    for (const SkeletonEntry& e : workingDirectorySkeleton()) {
      const std::string_view path = e.path;
      if (!path.empty() && path.back() != '/') watch(e.path);
    }
    lab_->FormShow();
    timers_ = std::make_unique<TimerScheduler>(*lab_);
  }

  int run(std::istream& in) {
    std::string line;
    int code = 0;
    for (line_ = 1;; ++line_) {
      const Read r = readLine(in, line);
      if (r == Read::End) break;
      try {
        if (r == Read::TooLong) badInput("line longer than " + std::to_string(kMaxLineLength) + " bytes");
        execute(line);
      } catch (const ScriptError& e) {
        code = e.exitCode;
        error_ = where() + e.message;
      } catch (const std::exception& e) {
        code = 1;
        error_ = where() + "the laboratory failed: " + e.what();
      }
      if (code != 0) {
        err_ << error_ << '\n';
        break;
      }
    }
    if (o_.json) printJson();
    return code;
  }

 private:
  enum class Read { Line, TooLong, End };

  // One line without its end ("\n" or "\r\n"); a line over the limit is
  // skipped to its end and reported.
  static Read readLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buf = in.rdbuf();
    if (!buf) return Read::End;
    bool any = false, tooLong = false;
    for (;;) {
      const int c = buf->sbumpc();
      if (c == std::char_traits<char>::eof()) break;
      any = true;
      if (c == '\n') break;
      if (line.size() < kMaxLineLength)
        line.push_back(static_cast<char>(c));
      else
        tooLong = true;
    }
    if (!any) return Read::End;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return tooLong ? Read::TooLong : Read::Line;
  }

  std::string where() const { return o_.fileName + ":" + std::to_string(line_) + ": "; }
  void note(const std::string& text) { err_ << where() << text << '\n'; }

  void execute(std::string_view line) {
    Words first(line, "");
    const std::optional<std::string_view> command = first.next();
    if (!command) return;  // blank line or comment
    const std::string_view args =
        line.substr(static_cast<std::size_t>(command->data() - line.data()) + command->size());
    const std::string_view c = *command;
    if (c == "click") return click(Words(args, "click NAME"));
    if (c == "check") return check(Words(args, "check NAME on|off"));
    if (c == "type") return type(Words(args, "type NAME TEXT"));
    if (c == "select") return select(Words(args, "select NAME ITEM"));
    if (c == "spin") return spin(Words(args, "spin NAME up|down"));
    if (c == "mouse") return mouse(Words(args, "mouse down|move X Y"));
    if (c == "tick") return tick(Words(args, "tick NAME [COUNT]"));
    if (c == "run") return run(Words(args, "run [MS]"));
    if (c == "trials") return trials(Words(args, "trials K"));
    if (c == "answer") return answer(Words(args, "answer PATH|cancel"));
    if (c == "print") return print(Words(args, "print NAME|labels"));
    if (c == "picture") return picture(Words(args, "picture FILE.png"));
    badInput("unknown command " + inQuotes(c));
  }

  Ctl control(std::string_view name) {
    const std::optional<Ctl> id = controlByName(name);
    if (!id) badInput("no control named " + inQuotes(name));
    return *id;
  }
  [[noreturn]] void wrongKind(Ctl id, const char* wanted) {
    badInput(std::string(controlName(id)) + " is " + kindName(controlKind(id)) + "; " + wanted);
  }
  static bool isMarkItem(Ctl id) { return controlKind(id) == Kind::MenuItem && hasCheckMark(id); }

  // A disabled control takes no click, text or arrow in the window; the
  // script says so instead of silently doing nothing.
  bool usable(Ctl id) {
    if (lab_->controls.enabled(id)) return true;
    note(std::string(controlName(id)) + " is disabled; nothing happens");
    return false;
  }

  // --- what a user does ---------------------------------------------------

  void click(Words w) {
    const std::string_view name = w.required();
    w.end();
    if (const std::optional<int> item = libraryItemByName(name)) return lab_->loadLibraryTable(*item);
    const Ctl id = control(name);
    const Kind k = controlKind(id);
    if (k != Kind::Button && k != Kind::MenuItem && k != Kind::Group)
      wrongKind(id, "click takes a button, a menu item or a group box");
    if (usable(id)) lab_->userClick(id);
  }

  void check(Words w) {
    const Ctl id = control(w.required());
    const bool on = w.choice("on", "off");
    w.end();
    const bool box = controlKind(id) == Kind::CheckBox;
    if (!box && !isMarkItem(id)) wrongKind(id, "check takes a check box or a menu item with a check mark");
    if (lab_->checked(id) == on || !usable(id)) return;
    // A box flips itself before its handler runs; a menu item's handler
    // decides its own mark, as the window leaves it to the laboratory.
    if (box)
      lab_->userToggle(id, on);
    else
      lab_->userClick(id);
  }

  void type(Words w) {
    const Ctl id = control(w.required());
    if (controlKind(id) != Kind::Edit) wrongKind(id, "type takes an edit");
    const std::string_view text = w.text();
    if (usable(id)) lab_->userType(id, text);
  }

  void select(Words w) {
    const Ctl id = control(w.required());
    if (controlKind(id) != Kind::RadioGroup) wrongKind(id, "select takes a radio group");
    const std::int64_t item = w.number("ITEM");
    w.end();
    const std::int32_t items = lab_->controls[id].itemCount;
    if (item < 0 || item >= items)
      badInput(std::string(controlName(id)) + " has no item " + std::to_string(item) + " (its items are 0.." +
               std::to_string(items - 1) + ")");
    if (usable(id)) lab_->userSelect(id, static_cast<std::int32_t>(item));
  }

  void spin(Words w) {
    const Ctl id = control(w.required());
    if (controlKind(id) != Kind::UpDown) wrongKind(id, "spin takes a spinner");
    const bool up = w.choice("up", "down");
    w.end();
    if (!usable(id)) return;
    // An arrow at the end of the range still clicks, with the position held.
    const ControlState& s = lab_->controls[id];
    const std::int64_t next = std::clamp<std::int64_t>(std::int64_t{s.position} + (up ? 1 : -1), s.minimum,
                                                       std::max(s.minimum, s.maximum));
    lab_->userSpin(id, static_cast<std::int32_t>(next));
  }

  // The window passes on only the presses and moves over the bare diagram;
  // a script has no widgets to lie over it, so every point is the diagram's.
  void mouse(Words w) {
    const bool down = w.choice("down", "move");
    const std::int64_t x = w.number("X");
    const std::int64_t y = w.number("Y");
    w.end();
    if (down)
      lab_->mouseDown(x, y);
    else
      lab_->mouseMove(x, y);
  }

  // --- timers ---------------------------------------------------------------

  bool anyTimerEnabled() const {
    return std::any_of(kTimers.begin(), kTimers.end(),
                       [this](const TimerSpec& t) { return lab_->timerEnabled(t.timer); });
  }
  std::string enabledTimers() const {
    std::string names;
    for (const TimerSpec& t : kTimers)
      if (lab_->timerEnabled(t.timer)) names += std::string(names.empty() ? "" : ", ") + controlName(t.timer);
    return names;
  }
  void noteCap(const char* command) {
    note(std::string(command) + " stopped after " + std::to_string(o_.maxTicks) +
         " timer ticks; still enabled: " + enabledTimers());
  }

  void tick(Words w) {
    const Ctl id = control(w.required());
    if (controlKind(id) != Kind::Timer) wrongKind(id, "tick takes a timer");
    const std::int64_t count = w.optionalCount("COUNT").value_or(1);
    w.end();
    // A tick comes only while its timer runs; a tick may switch it off.
    std::int64_t fired = 0;
    for (; fired < count && fired < o_.maxTicks && lab_->timerEnabled(id); ++fired) lab_->timerTick(id);
    if (fired < count && lab_->timerEnabled(id)) noteCap("tick");
  }

  void run(Words w) {
    const std::optional<std::int64_t> ms = w.optionalCount("MS");
    w.end();
    if (!ms) {
      timers_->run(o_.maxTicks);
      if (anyTimerEnabled()) noteCap("run");
      return;
    }
    // Millisecond by millisecond, so the tick cap holds within a long span;
    // time during which no timer is enabled changes nothing and is skipped.
    std::int64_t fired = 0;
    for (std::int64_t left = *ms; left > 0 && anyTimerEnabled(); --left) {
      fired += timers_->advance(1);
      if (fired >= o_.maxTicks && left > 1 && anyTimerEnabled()) return noteCap("run");
    }
  }

  void trials(Words w) {
    const std::int64_t wanted = w.count("K");
    w.end();
    const std::int64_t start = lab_->analysesRun;
    std::int64_t seen = start, idle = 0;
    while (lab_->analysesRun - start < wanted) {
      if (!timers_->fireNext()) {
        note("trials: no timer is enabled after " + std::to_string(lab_->analysesRun - start) + " of " +
             std::to_string(wanted) + " trials");
        return;
      }
      // A trial that never ends must not hang the script.
      if (lab_->analysesRun != seen) {
        seen = lab_->analysesRun;
        idle = 0;
      } else if (++idle >= o_.maxTicks) {
        return note("trials stopped: " + std::to_string(o_.maxTicks) +
                    " timer ticks without a trial analysed; still enabled: " + enabledTimers());
      }
    }
  }

  // --- dialogs, output ------------------------------------------------------

  void answer(Words w) {
    const std::string_view a = w.path();
    if (a == "cancel") {
      answers_.emplace_back(std::nullopt);
      return;
    }
    answers_.emplace_back(std::string(a));
    watch(std::string(a));
  }

  void printLine(std::string line) {
    if (o_.json)
      printed_.push_back(std::move(line));
    else
      out_ << line << '\n';
  }

  void print(Words w) {
    const std::string_view name = w.required();
    w.end();
    if (name == "labels") {
      for (int i = 0; i < kControlCount; ++i)
        if (controlKind(Ctl(i)) == Kind::Label) printValue(Ctl(i));
      return;
    }
    const Ctl id = control(name);
    printValue(id, true);
  }

  void printValue(Ctl id, bool checkKind = false) {
    const std::string name = controlName(id);
    const ControlState& s = lab_->controls[id];
    switch (controlKind(id)) {
      case Kind::Label:
      case Kind::Edit:
      case Kind::StatusBar: return printLine(name + ": " + s.text);
      case Kind::CheckBox:
      case Kind::Timer: return printLine(name + ": " + (s.checked ? "on" : "off"));
      case Kind::RadioGroup: return printLine(name + ": " + std::to_string(s.itemIndex));
      case Kind::UpDown: return printLine(name + ": " + std::to_string(s.position));
      case Kind::RichEdit:
        printLine(name + ":");
        for (std::string_view line : panelLines(s.text)) printLine(std::string(line));
        return;
      case Kind::MenuItem:
        if (hasCheckMark(id)) return printLine(name + ": " + (s.checked ? "on" : "off"));
        break;
      default: break;
    }
    if (checkKind)
      wrongKind(id,
                "print takes a label, an edit, a check box, a menu item with a check mark, a panel, "
                "a radio group, a spinner, a timer or the status bar");
  }

  static std::vector<std::string_view> panelLines(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.empty()) return lines;
    for (std::size_t at = 0;;) {
      const std::size_t end = text.find('\n', at);
      lines.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
      if (end == std::string_view::npos) break;
      at = end + 1;
    }
    return lines;
  }

  void picture(Words w) {
    const std::string path(w.path());
    if (!o_.pictures) cannotWrite("this build cannot write pictures");
    std::string why;
    if (!o_.pictures->writePng(lab_->files.resolve(path), why))
      cannotWrite("cannot write picture " + inQuotes(path) + ": " + why);
    if (std::find(pictures_.begin(), pictures_.end(), path) == pictures_.end()) pictures_.push_back(path);
  }

  void watch(const std::string& name) {
    for (const WatchedFile& f : watched_)
      if (f.name == name) return;
    watched_.push_back({name, stampOf(lab_->files.resolve(name))});
  }

  void printJson() {
    using Json = nlohmann::ordered_json;
    Json j;
    Json labels = Json::object(), edits = Json::object(), checks = Json::object(), groups = Json::object(),
         spinners = Json::object(), timers = Json::object(), panels = Json::object();
    for (int i = 0; i < kControlCount; ++i) {
      const Ctl id = static_cast<Ctl>(i);
      const ControlState& s = lab_->controls[id];
      const char* name = controlName(id);
      switch (controlKind(id)) {
        case Kind::Label: labels[name] = s.text; break;
        case Kind::Edit: edits[name] = s.text; break;
        case Kind::CheckBox: checks[name] = s.checked; break;
        case Kind::MenuItem:
          if (hasCheckMark(id)) checks[name] = s.checked;
          break;
        case Kind::RadioGroup: groups[name] = s.itemIndex; break;
        case Kind::UpDown: spinners[name] = s.position; break;
        case Kind::Timer: timers[name] = s.checked; break;
        case Kind::RichEdit: {
          Json lines = Json::array();
          for (std::string_view line : panelLines(s.text)) lines.push_back(std::string(line));
          panels[name] = std::move(lines);
          break;
        }
        default: break;
      }
    }
    j["labels"] = std::move(labels);
    j["edits"] = std::move(edits);
    j["checks"] = std::move(checks);
    j["radioGroups"] = std::move(groups);
    j["spinners"] = std::move(spinners);
    j["timers"] = std::move(timers);
    j["status"] = lab_->controls.text(Ctl::StatusBar1);
    j["panels"] = std::move(panels);
    j["printed"] = printed_;
    j["warnings"] = {{"count", lab_->warningCount}, {"texts", lab_->warnings}};
    Json files = pictures_;
    for (const WatchedFile& f : watched_)
      if (stampOf(lab_->files.resolve(f.name)) != f.before &&
          std::find(pictures_.begin(), pictures_.end(), f.name) == pictures_.end())
        files.push_back(f.name);
    j["files"] = std::move(files);
    j["pictures"] = pictures_;
    if (!error_.empty()) j["error"] = error_;
    // Texts come from the script and may be any bytes; JSON wants UTF-8.
    out_ << j.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
  }

  std::ostream& out_;
  std::ostream& err_;
  const ScriptOptions& o_;
  std::unique_ptr<Laboratory> lab_;
  std::unique_ptr<TimerScheduler> timers_;
  std::int64_t line_ = 0;
  std::string error_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::string> printed_;
  std::vector<std::string> pictures_;
  std::vector<WatchedFile> watched_;
};

}  // namespace

int runScript(std::istream& in, std::ostream& out, std::ostream& err, const ScriptOptions& options) {
  std::unique_ptr<Interpreter> interpreter;
  try {
    interpreter = std::make_unique<Interpreter>(out, err, options);
  } catch (const std::exception& e) {
    err << options.fileName << ": the laboratory failed at start-up: " << e.what() << '\n';
    return 1;
  }
  return interpreter->run(in);
}

}  // namespace quorvan
