#pragma once

#include <QProxyStyle>

// The application's own style, except that a line edit's panel (frame and background) is drawn
// once per size and state and then copied from a pixmap: the fields repaint on every keystroke,
// and drawing the antialiased panel each time costs more than everything else a keystroke does.
class TCachedPanelStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
