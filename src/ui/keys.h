#pragma once
// Keyboard conventions shared by every window, and the typed-number boxes.
#include <QLineEdit>
#include <QObject>
#include <functional>

class QAbstractButton;

namespace Keys {

// Installs the shared key handling on a window: Esc presses `escButton`; Enter in an
// entry box, check box or radio button moves to the next control, or in `lastBox`
// presses `enterButton`. Enter in an empty box that has a picker opens the picker.
void install(QWidget* window, QAbstractButton* escButton, QAbstractButton* enterButton = nullptr,
             QWidget* lastBox = nullptr);
// Enter in this box presses this button (instead of moving on).
void enterPresses(QWidget* box, QAbstractButton* button);
// Enter in this box moves focus to `next` (instead of the tab order).
void enterMovesTo(QWidget* box, QWidget* next);
// The box opens a picker on Enter while empty.
void setPicker(QLineEdit* box, std::function<void()> open);

} // namespace Keys

// A number box: admits digits, Backspace, one "." and (if allowed) one "-" typed;
// starts at "0" and never stays empty.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    enum Kind { Decimal, Integer, Digits };   // Digits: postcodes and identity numbers, may be empty
    explicit NumberEdit(QWidget* parent = nullptr, bool allowNegative = false, Kind kind = Decimal);
    void setAllowNegative(bool on) { negative_ = on; }
    // Rounds to two decimals with "0.00" when more than two are typed (on leaving the box).
    void setRoundOnLeave(bool on) { roundOnLeave_ = on; }
    void setMaxDigits(int n) { maxDigits_ = n; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool negative_;
    Kind kind_;
    bool roundOnLeave_ = false;
    int maxDigits_ = 0;
};

// Rules for a typed number being left: "-" alone → "0"; more than two decimals → "0.00".
QString normaliseTypedNumber(const QString& text);
