#include "ui/TCurrencyEdit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <limits>

#include "ui/TApplication.h"

namespace {

// Caret positions: Qt counts UTF-16 code units, the amount rules count UTF-8 bytes.
std::size_t Utf8Offset(const QString& text, int utf16Position) {
  return static_cast<std::size_t>(QStringView(text).left(utf16Position).toUtf8().size());
}

int Utf16Position(const std::string& utf8, std::size_t offset) {
  return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(offset)).size());
}

bool ConfirmsOnFocusOut(Qt::FocusReason reason) {
  // Switching to another window or opening the context menu leaves the edit under way.
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

}  // namespace

TCurrencyEdit::TCurrencyEdit(const QString& displayFormat, const amount::NumberSymbols& symbols,
                             QWidget* parent)
    : QLineEdit(parent), format_(displayFormat.toStdString()), symbols_(symbols) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setMaxLength(std::numeric_limits<int>::max());  // amounts have no length limit
  ShowText(Formatted(), 0);
  connect(this, &QLineEdit::textEdited, this, &TCurrencyEdit::OnTextEdited);
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
    if (text() == shown_.text) shown_.cursor = now;
  });
}

double TCurrencyEdit::Value() const {
  if (IsEditing()) return amount::ReadAmount(Utf8Text(), symbols_);
  return hasValue_ ? value_ : 0;
}

void TCurrencyEdit::SetValue(double amount) {
  value_ = amount;
  hasValue_ = true;
  ForgetEdits();
  ShowStoredAmount();
}

void TCurrencyEdit::ShowStoredAmount() {
  const QString formatted = Formatted();
  if (formatted == text()) return;
  ShowText(formatted, static_cast<int>(formatted.size()));
  EmitChanged();
}

void TCurrencyEdit::Redisplay() {
  if (IsEditing()) return;  // the user's text stays as typed
  const QString formatted = Formatted();
  if (formatted != text()) ShowText(formatted, static_cast<int>(formatted.size()));
}

QString TCurrencyEdit::Formatted() const {
  if (!hasValue_) return {};
  return QString::fromStdString(amount::FormatAmount(value_, format_, symbols_));
}

void TCurrencyEdit::ShowText(const QString& text, int cursor) {
  settingText_ = true;
  setText(text);
  setCursorPosition(cursor);
  settingText_ = false;
  shown_ = {text, cursor};
}

void TCurrencyEdit::EmitChanged() {
  // Handlers' errors are reported here, so that they never unwind through the line edit.
  try {
    emit PropertiesChange(this);
  } catch (const std::exception& error) {
    TApplication::Report(error);
  }
}

void TCurrencyEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo)) {
    if (!isReadOnly()) Undo();
    return;
  }
  if (event->matches(QKeySequence::Redo)) {
    if (!isReadOnly()) Redo();
    return;
  }
  if (event->key() == Qt::Key_Escape && IsEditing()) {
    Abandon();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !isReadOnly()) {
    try {
      Confirm();
    } catch (const InvalidInputError&) {
      ReportInvalidInput();
    }
    return;
  }
  const QString typed = event->text();
  const bool printable =
      !typed.isEmpty() && typed.front().isPrint() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (printable && !isReadOnly()) {
    TypeCharacters(typed);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TCurrencyEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Committed text from an input method is typing like any other.
  if (!isReadOnly() && event->preeditString().isEmpty() && !event->commitString().isEmpty() &&
      event->replacementLength() == 0) {
    TypeCharacters(event->commitString());
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void TCurrencyEdit::TypeCharacters(const QString& typed) {
  for (qsizetype i = 0; i < typed.size();) {
    const qsizetype length = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
    const std::string character = typed.mid(i, length).toStdString();
    i += length;

    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
    const std::optional<std::string> inserted =
        amount::TypedCharacter(current.toStdString(), Utf8Offset(current, start),
                               Utf8Offset(current, end), character, symbols_);
    if (!inserted) {
      TApplication::Beep();
      return;
    }
    insert(QString::fromStdString(*inserted));  // emits textEdited, which regroups
  }
}

void TCurrencyEdit::OnTextEdited() {
  if (settingText_) return;
  undo_.push_back(shown_);
  redo_.clear();

  const QString edited = text();
  const std::string utf8 = edited.toStdString();
  const amount::EditedText regrouped =
      amount::Regroup(utf8, Utf8Offset(edited, cursorPosition()), symbols_);
  if (regrouped.text != utf8) {
    ShowText(QString::fromStdString(regrouped.text),
             Utf16Position(regrouped.text, regrouped.caret));
  } else {
    shown_ = {edited, cursorPosition()};
  }
  EmitChanged();
}

void TCurrencyEdit::Undo() {
  StepThroughHistory(undo_, redo_);
}
void TCurrencyEdit::Redo() {
  StepThroughHistory(redo_, undo_);
}

void TCurrencyEdit::StepThroughHistory(std::vector<State>& from, std::vector<State>& to) {
  if (from.empty()) return;
  to.push_back(shown_);
  const State state = from.back();
  from.pop_back();
  ShowText(state.text, state.cursor);
  EmitChanged();
}

void TCurrencyEdit::ForgetEdits() {
  undo_.clear();
  redo_.clear();
}

void TCurrencyEdit::Confirm() {
  if (!IsEditing()) return;
  const std::string typed = Utf8Text();
  if (typed.empty()) {
    hasValue_ = false;
  } else if (amount::IsNumber(typed, symbols_)) {
    value_ = amount::ReadAmount(typed, symbols_);
    hasValue_ = true;
  } else {
    throw InvalidInputError();
  }
  ForgetEdits();
  savedValue_ = value_;
  savedHasValue_ = hasValue_;
  ShowStoredAmount();
}

void TCurrencyEdit::ReportInvalidInput() {
  TApplication::Report(InvalidInputError());
  window()->activateWindow();  // back from the error box
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

void TCurrencyEdit::Abandon() {
  value_ = savedValue_;
  hasValue_ = savedHasValue_;
  ForgetEdits();
  ShowStoredAmount();
}

void TCurrencyEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (IsEditing()) return;  // back after a refused confirmation, or a switch of windows
  savedValue_ = value_;
  savedHasValue_ = hasValue_;
  // Arriving by keyboard or at the window's opening selects the amount, so typing replaces it;
  // a click places the caret where it lands.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) selectAll();
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (isReadOnly() || !IsEditing() || !ConfirmsOnFocusOut(event->reason())) return;
  try {
    Confirm();
  } catch (const InvalidInputError&) {
    // The error box waits until the focus has settled on the next control; then the focus
    // comes back here with the whole text selected.
    QMetaObject::invokeMethod(this, &TCurrencyEdit::ReportInvalidInput, Qt::QueuedConnection);
  }
}

void TCurrencyEdit::contextMenuEvent(QContextMenuEvent* event) {
  // The menu's Undo and Redo are this field's own, which know about regrouping.
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (QAction* undo = menu->findChild<QAction*>(QStringLiteral("edit-undo"))) {
    undo->disconnect();
    undo->setEnabled(!undo_.empty());
    connect(undo, &QAction::triggered, this, &TCurrencyEdit::Undo);
  }
  if (QAction* redo = menu->findChild<QAction*>(QStringLiteral("edit-redo"))) {
    redo->disconnect();
    redo->setEnabled(!redo_.empty());
    connect(redo, &QAction::triggered, this, &TCurrencyEdit::Redo);
  }
  menu->popup(event->globalPos());
}
