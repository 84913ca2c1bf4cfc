#include "app/group_widgets.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
  group_.setExclusive(true);
  connect(&group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::setItems(const QStringList& captions, int columns) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 12, 4, 2);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  columns = std::max(columns, 1);
  for (int i = 0; i < captions.size(); ++i) {
    auto* b = new QRadioButton(captions[i], this);
    b->setObjectName(objectName() + "_item" + QString::number(i));
    group_.addButton(b, i);
    grid->addWidget(b, i / columns, i % columns);
    buttons_.push_back(b);
  }
}

int RadioGroup::itemIndex() const { return group_.checkedId(); }

void RadioGroup::setItemIndex(int index) {
  if (index >= 0 && index < itemCount()) {
    buttons_[std::size_t(index)]->setChecked(true);
    return;
  }
  // An exclusive group refuses to clear its last checked button.
  group_.setExclusive(false);
  for (QRadioButton* b : buttons_) b->setChecked(false);
  group_.setExclusive(true);
}

void ClickableGroupBox::mouseReleaseEvent(QMouseEvent* event) {
  QGroupBox::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
