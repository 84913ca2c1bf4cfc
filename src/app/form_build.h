#pragma once
// Shared by the builders of TForm1's groups: how a control is created and
// placed. Only the form's own .cpp files include this.
#include <QLabel>
#include <QWidget>

#include "app/tform1.h"

template <class W, class... Args>
W* TForm1::make(quorvan::Ctl id, Args&&... args) {
  auto* w = new W(std::forward<Args>(args)...);
  registerObject(id, w);
  return w;
}

// The member and the object name come from one token, so they cannot drift.
#define NAMED(member, Type, ...) member = make<Type>(quorvan::Ctl::member, __VA_ARGS__)

namespace form {

inline void place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(left, top, width, height);
}

// The groups lie over the diagram and must hide what is drawn below them.
template <class W>
W* opaque(W* w) {
  w->setAutoFillBackground(true);
  return w;
}

// A fixed caption that the core never touches.
inline QLabel* caption(QWidget* parent, const QString& text, int left, int top, int width = -1,
                       int height = 16, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  if (width < 0) width = l->sizeHint().width();
  l->setGeometry(left, top, width, height);
  return l;
}

}  // namespace form
