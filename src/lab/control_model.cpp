#include "lab/control_model.h"

#include <algorithm>

namespace quorvan {
namespace {

struct Entry {
  const char* name;
  Kind kind;
};

constexpr Entry kEntries[] = {
#define QUORVAN_ENTRY(name, kind) {#name, Kind::kind},
    QUORVAN_CONTROLS(QUORVAN_ENTRY)
#undef QUORVAN_ENTRY
};
static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == kControlCount);

}  // namespace

const char* controlName(Ctl id) { return kEntries[static_cast<std::size_t>(id)].name; }
Kind controlKind(Ctl id) { return kEntries[static_cast<std::size_t>(id)].kind; }

std::optional<Ctl> controlByName(std::string_view name) {
  for (int i = 0; i < kControlCount; ++i)
    if (name == kEntries[i].name) return static_cast<Ctl>(i);
  return std::nullopt;
}

ControlModel::ControlModel() { journal_.reserve(kControlCount); }

void ControlModel::touch(Ctl id) {
  if (!journalOn_) return;
  bool& flag = changed_[index(id)];
  if (!flag) {
    flag = true;
    journal_.push_back(id);
  }
}

bool ControlModel::setText(Ctl id, std::string_view text) {
  ControlState& s = states_[index(id)];
  if (s.text == text) return false;
  s.text.assign(text);
  s.lineCount = text.empty() ? 0 : 1;
  ++s.textGeneration;
  touch(id);
  return true;
}

bool ControlModel::setChecked(Ctl id, bool checked) {
  ControlState& s = states_[index(id)];
  if (s.checked == checked) return false;
  s.checked = checked;
  touch(id);
  return true;
}

bool ControlModel::setItemIndex(Ctl id, std::int32_t item) {
  ControlState& s = states_[index(id)];
  if (s.itemIndex == item) return false;
  s.itemIndex = item;
  touch(id);
  return true;
}

bool ControlModel::setPosition(Ctl id, std::int32_t position) {
  ControlState& s = states_[index(id)];
  position = std::clamp(position, s.minimum, s.maximum);
  if (s.position == position) return false;
  s.position = position;
  touch(id);
  return true;
}

void ControlModel::setRange(Ctl id, std::int32_t minimum, std::int32_t maximum) {
  ControlState& s = states_[index(id)];
  s.minimum = minimum;
  s.maximum = maximum;
  s.position = std::clamp(s.position, minimum, maximum);
  touch(id);
}

void ControlModel::setItemCount(Ctl id, std::int32_t count) {
  states_[index(id)].itemCount = count;
  touch(id);
}

void ControlModel::setEnabled(Ctl id, bool enabled) {
  ControlState& s = states_[index(id)];
  if (s.enabled == enabled) return;
  s.enabled = enabled;
  touch(id);
}

void ControlModel::setVisible(Ctl id, bool visible) {
  ControlState& s = states_[index(id)];
  if (s.visible == visible) return;
  s.visible = visible;
  touch(id);
}

void ControlModel::setColour(Ctl id, GroupColour colour) {
  ControlState& s = states_[index(id)];
  if (s.colour == colour) return;
  s.colour = colour;
  touch(id);
}

void ControlModel::clearLines(Ctl id) {
  ControlState& s = states_[index(id)];
  if (s.text.empty() && s.lineCount == 0) return;
  s.text.clear();
  s.lineCount = 0;
  ++s.textGeneration;
  touch(id);
}

void ControlModel::addLine(Ctl id, std::string_view line) {
  ControlState& s = states_[index(id)];
  if (s.lineCount > 0) s.text.push_back('\n');
  s.text.append(line);
  ++s.lineCount;
  ++s.textGeneration;
  touch(id);
}

void ControlModel::setLines(Ctl id, std::string text, std::int32_t lines) {
  ControlState& s = states_[index(id)];
  s.text = std::move(text);
  s.lineCount = lines;
  ++s.textGeneration;
  touch(id);
}

std::vector<Ctl> ControlModel::takeChanged() {
  std::vector<Ctl> out;
  out.swap(journal_);
  for (Ctl id : out) changed_[index(id)] = false;
  journal_.reserve(kControlCount);
  return out;
}

}  // namespace quorvan
