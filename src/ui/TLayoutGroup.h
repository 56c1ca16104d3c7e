#pragma once

#include <QWidget>

// A panel of the window's layout that stacks its children from top to bottom; a framed one
// paints the calm blue panel of the window's look.
class TLayoutGroup : public QWidget {
  Q_OBJECT

 public:
  TLayoutGroup(const QString& name, bool framed, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool framed_;
};

// The window's look: a soft blue ground with lighter framed panels.
namespace look {
inline constexpr QRgb kGroundTop = 0xdbe7f6;
inline constexpr QRgb kGroundBottom = 0xc2d5ef;
inline constexpr QRgb kPanel = 0xe9f0fa;
inline constexpr QRgb kPanelBorder = 0x8aaad4;
inline constexpr QRgb kTitleText = 0x15428b;
}  // namespace look
