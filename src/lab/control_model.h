#pragma once
// The core's copy of the window's controls: what each shows (text, check,
// item, position), whether it is visible and enabled. The logic reads and
// writes only this model; the window mirrors every changed control onto its
// widget after each handler, and the headless front end never looks.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/control_ids.h"

namespace quorvan {

enum class Kind : std::uint8_t {
  Window,
  StatusBar,
  Group,
  Button,
  CheckBox,
  RadioGroup,
  Edit,
  UpDown,
  Label,
  RichEdit,
  Image,
  Menu,
  MenuItem,
  Timer
};

enum class Ctl : std::uint16_t {
#define QUORVAN_ENUM(name, kind) name,
  QUORVAN_CONTROLS(QUORVAN_ENUM)
#undef QUORVAN_ENUM
      Count
};

inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

const char* controlName(Ctl id);
Kind controlKind(Ctl id);
std::optional<Ctl> controlByName(std::string_view name);

// A group's background; only "Manage" changes it.
enum class GroupColour : std::uint8_t { ButtonFace, Yellow, Highlight };

struct ControlState {
  std::string text;             // caption, edit text, label caption, status text, panel text
  std::int32_t lineCount = 0;   // text panels: number of lines in `text`
  std::int32_t itemIndex = -1;  // radio groups; -1 = no item
  std::int32_t itemCount = 0;
  std::int32_t position = 0;  // spinners
  std::int32_t minimum = 0;
  std::int32_t maximum = 100;
  bool checked = false;  // check boxes, menu check marks, timers' Enabled
  bool enabled = true;
  bool visible = true;
  GroupColour colour = GroupColour::ButtonFace;
  std::uint32_t textGeneration = 0;  // bumped whenever `text` changes
};

class ControlModel {
 public:
  ControlModel();

  const ControlState& operator[](Ctl id) const { return states_[index(id)]; }

  const std::string& text(Ctl id) const { return states_[index(id)].text; }
  bool checked(Ctl id) const { return states_[index(id)].checked; }
  bool enabled(Ctl id) const { return states_[index(id)].enabled; }
  bool visible(Ctl id) const { return states_[index(id)].visible; }
  std::int32_t itemIndex(Ctl id) const { return states_[index(id)].itemIndex; }
  std::int32_t position(Ctl id) const { return states_[index(id)].position; }

  // Raw setters: change the model and note the control as changed for the
  // window; they run no handler. Each returns whether the value changed.
  bool setText(Ctl id, std::string_view text);
  bool setChecked(Ctl id, bool checked);
  bool setItemIndex(Ctl id, std::int32_t index);
  bool setPosition(Ctl id, std::int32_t position);  // clamped to the range
  void setRange(Ctl id, std::int32_t minimum, std::int32_t maximum);
  void setItemCount(Ctl id, std::int32_t count);
  void setEnabled(Ctl id, bool enabled);
  void setVisible(Ctl id, bool visible);
  void setColour(Ctl id, GroupColour colour);

  // Text panels.
  void clearLines(Ctl id);
  void addLine(Ctl id, std::string_view line);
  // Replaces a panel's whole text at once; `lines` is its number of lines.
  void setLines(Ctl id, std::string text, std::int32_t lines);

  // The controls changed since the last call, each once, in order of change.
  std::vector<Ctl> takeChanged();
  void setJournalEnabled(bool on) { journalOn_ = on; }

 private:
  static std::size_t index(Ctl id) { return static_cast<std::size_t>(id); }
  void touch(Ctl id);

  std::array<ControlState, kControlCount> states_;
  std::array<bool, kControlCount> changed_{};
  std::vector<Ctl> journal_;
  bool journalOn_ = true;
};

}  // namespace quorvan
