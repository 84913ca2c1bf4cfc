#pragma once
// Two small group widgets the window needs beyond Qt's own.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

// A titled group of radio buttons with one selected item (or none, -1).
// `itemClicked` fires only for a user's click; setting the item from code is
// silent.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(QWidget* parent = nullptr);
  // Lays the items out in `columns` columns, filled row by row.
  void setItems(const QStringList& captions, int columns = 1);
  int itemIndex() const;
  void setItemIndex(int index);
  int itemCount() const { return int(buttons_.size()); }
  QRadioButton* item(int index) const { return buttons_.at(std::size_t(index)); }

 signals:
  void itemClicked(int index);

 private:
  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
};

// A group box whose frame answers a click, as the "Results" box does.
class ClickableGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  using QGroupBox::QGroupBox;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
