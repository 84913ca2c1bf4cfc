#include "app/updown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(b);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setObjectName("up");
  down_->setObjectName("down");
  connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  position_ = std::clamp(position_, minimum_, maximum_);
}

// A click at either end of the range still counts as a click: the handler
// behind it runs with the unchanged position, as a click on a real spinner's
// exhausted arrow would.
void UpDown::step(int delta) {
  const long long next = static_cast<long long>(position_) + delta;
  position_ = static_cast<int>(std::clamp<long long>(next, minimum_, maximum_));
  emit clicked(position_);
}
