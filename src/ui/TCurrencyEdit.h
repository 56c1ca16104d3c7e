#pragma once

#include <QLineEdit>
#include <QString>
#include <stdexcept>
#include <vector>

#include "amount/Amount.h"

// Raised when a field is confirmed with text that is no number.
class InvalidInputError : public std::runtime_error {
 public:
  InvalidInputError()
      : std::runtime_error("Invalid input value. Use escape key to abandon changes") {}
};

// A numeric field holding one double and showing it, right-aligned, by its display format.
// While the user edits it, the text as typed is its amount; Enter or leaving the field confirms
// the text, Escape abandons the changes. PropertiesChange fires once for every change of the
// shown text, after the digits are regrouped.
class TCurrencyEdit : public QLineEdit {
  Q_OBJECT

 public:
  TCurrencyEdit(const QString& displayFormat, const amount::NumberSymbols& symbols,
                QWidget* parent = nullptr);

  // The text as typed while it is edited and unconfirmed, else the stored amount; 0 for a field
  // without an amount.
  double Value() const;
  // Stores the amount unchanged and shows it; fires PropertiesChange if the text changes.
  void SetValue(double amount);
  bool HasValue() const { return hasValue_; }
  bool IsEditing() const { return !undo_.empty(); }

  // Shows the stored amount again, after the number symbols changed.
  void Redisplay();

  void Undo();
  void Redo();

 signals:
  void PropertiesChange(QObject* sender);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct State {
    QString text;
    int cursor;
  };

  QString Formatted() const;
  std::string Utf8Text() const { return text().toStdString(); }
  void TypeCharacters(const QString& typed);
  void OnTextEdited();
  void ShowText(const QString& text, int cursor);
  void EmitChanged();
  void Confirm();
  void ReportInvalidInput();
  void Abandon();
  void ForgetEdits();
  void ShowStoredAmount();
  void StepThroughHistory(std::vector<State>& from, std::vector<State>& to);

  std::string format_;
  const amount::NumberSymbols& symbols_;
  double value_ = 0;
  bool hasValue_ = true;
  // what Escape returns to: the amount when the field got the focus or was last confirmed
  double savedValue_ = 0;
  bool savedHasValue_ = true;
  // the text and caret after the last change, the state an undo returns to
  State shown_;
  std::vector<State> undo_;
  std::vector<State> redo_;
  bool settingText_ = false;  // the program, not the user, is changing the text
};
