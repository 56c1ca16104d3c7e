#include "ui/TLayoutGroup.h"

#include <QPainter>

TLayoutGroup::TLayoutGroup(const QString& name, bool framed, QWidget* parent)
    : QWidget(parent), framed_(framed) {
  setObjectName(name);
}

void TLayoutGroup::paintEvent(QPaintEvent*) {
  if (!framed_) return;
  QPainter painter(this);
  painter.setPen(QColor(look::kPanelBorder));
  painter.setBrush(QColor(look::kPanel));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
