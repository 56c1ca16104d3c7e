#include "ui/TCachedPanelStyle.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>

void TCachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
  if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const qreal ratio = painter->device()->devicePixelRatio();
  const QString key = QStringLiteral("nvcalc-panel-%1x%2-%3-%4-%5-%6-%7")
                          .arg(option->rect.width())
                          .arg(option->rect.height())
                          .arg(static_cast<int>(option->state))
                          .arg(option->palette.cacheKey())
                          .arg(frame->lineWidth)
                          .arg(ratio)
                          .arg(static_cast<int>(option->direction));
  QPixmap panel;
  if (!QPixmapCache::find(key, &panel)) {
    panel = QPixmap(option->rect.size() * ratio);
    panel.setDevicePixelRatio(ratio);
    panel.fill(Qt::transparent);
    QStyleOptionFrame moved = *frame;
    moved.rect.moveTo(0, 0);
    QPainter onPanel(&panel);
    QProxyStyle::drawPrimitive(element, &moved, &onPanel, widget);
    onPanel.end();
    QPixmapCache::insert(key, panel);
  }
  painter->drawPixmap(option->rect.topLeft(), panel);
}
