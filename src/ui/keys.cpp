#include "ui/keys.h"
#include "data/decimal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>

namespace Keys {
namespace {

const char* EscProp = "kxrEscButton";
const char* EnterProp = "kxrEnterButton";
const char* LastProp = "kxrLastBox";
const char* BoxEnterProp = "kxrBoxEnter";
const char* BoxNextProp = "kxrBoxNext";
const char* PickerProp = "kxrPicker";

struct PickerHolder : QObject {
    std::function<void()> open;
};

bool isEntryControl(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)
           || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

QWidget* entryOf(QWidget* w) {
    // A line edit inside a combo box or date edit belongs to its owner.
    if (w && qobject_cast<QLineEdit*>(w) && w->parentWidget()
        && (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget())))
        return w->parentWidget();
    return w;
}

void focusNext(QWidget* from) {
    QWidget* top = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() != top || !w->isVisible() || !w->isEnabled()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
        if (from->isAncestorOf(w)) continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

template <class T> T* widgetProp(QObject* o, const char* name) {
    return qobject_cast<T*>(o->property(name).value<QObject*>());
}

class Filter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress) return false;
        auto* ke = static_cast<QKeyEvent*>(ev);
        auto* window = qobject_cast<QWidget*>(parent());
        if (!window) return false;
        QWidget* focus = QApplication::focusWidget();
        if (!focus || obj != focus || !(window == focus || window->isAncestorOf(focus))) return false;
        // Only the innermost installed window acts on a key.
        for (QWidget* p = focus; p; p = p->parentWidget()) {
            if (p == window) break;
            if (p->property(EscProp).isValid() || p->property(EnterProp).isValid()) return false;
        }
        if (ke->key() == Qt::Key_Escape && ke->modifiers() == Qt::NoModifier) {
            if (auto* b = widgetProp<QAbstractButton>(window, EscProp)) {
                if (b->isEnabled()) b->click();
                return true;
            }
            return false;
        }
        if (ke->key() != Qt::Key_Return && ke->key() != Qt::Key_Enter) return false;
        QWidget* box = entryOf(focus);
        if (auto* b = widgetProp<QAbstractButton>(box, BoxEnterProp)) { if (b->isEnabled()) b->click(); return true; }
        if (auto* n = widgetProp<QWidget>(box, BoxNextProp)) { n->setFocus(Qt::TabFocusReason); return true; }
        if (auto* le = qobject_cast<QLineEdit*>(box)) {
            if (auto* h = static_cast<PickerHolder*>(le->findChild<QObject*>(PickerProp, Qt::FindDirectChildrenOnly));
                h && h->open && le->text().trimmed().isEmpty()) {
                h->open();
                return true;
            }
        }
        if (!isEntryControl(box)) return false;
        if (auto* comboBox = qobject_cast<QComboBox*>(box); comboBox && comboBox->view()->isVisible()) return false;
        QWidget* last = widgetProp<QWidget>(window, LastProp);
        if (last && box == last) {
            if (auto* b = widgetProp<QAbstractButton>(window, EnterProp)) { if (b->isEnabled()) b->click(); }
            return true;
        }
        focusNext(box);
        return true;
    }
};

} // namespace

void install(QWidget* window, QAbstractButton* escButton, QAbstractButton* enterButton, QWidget* lastBox) {
    window->setProperty(EscProp, QVariant::fromValue<QObject*>(escButton));
    window->setProperty(EnterProp, QVariant::fromValue<QObject*>(enterButton));
    window->setProperty(LastProp, QVariant::fromValue<QObject*>(lastBox));
    if (!window->findChild<Filter*>(QStringLiteral("kxrKeyFilter"), Qt::FindDirectChildrenOnly)) {
        auto* f = new Filter(window);
        f->setObjectName(QStringLiteral("kxrKeyFilter"));
        // The window sees keys before its controls do.
        qApp->installEventFilter(f);
    }
}

void enterPresses(QWidget* box, QAbstractButton* button) {
    box->setProperty(BoxEnterProp, QVariant::fromValue<QObject*>(button));
}

void enterMovesTo(QWidget* box, QWidget* next) {
    box->setProperty(BoxNextProp, QVariant::fromValue<QObject*>(next));
}

void setPicker(QLineEdit* box, std::function<void()> open) {
    auto* h = static_cast<PickerHolder*>(box->findChild<QObject*>(PickerProp, Qt::FindDirectChildrenOnly));
    if (!h) { h = new PickerHolder; h->setObjectName(PickerProp); h->setParent(box); }
    h->open = std::move(open);
}

} // namespace Keys

QString normaliseTypedNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String(".") || t == QLatin1String("-."))
        return QStringLiteral("0");
    auto d = Decimal::parse(t);
    if (!d) return QStringLiteral("0");
    const int dot = t.indexOf(u'.');
    if (dot >= 0 && t.size() - dot - 1 > 2) return d->format00();
    return t;
}

NumberEdit::NumberEdit(QWidget* parent, bool allowNegative, Kind kind)
    : QLineEdit(parent), negative_(allowNegative), kind_(kind) {
    if (kind_ != Digits) setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (kind_ != Digits && t.isEmpty()) setText(QStringLiteral("0"));
    });
}

void NumberEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && t[0].isPrint()
        && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const QChar c = t[0];
        bool ok = c.isDigit() && c.unicode() < 128;
        if (kind_ == Decimal && c == u'.') ok = !text().contains(u'.') || selectedText().contains(u'.');
        if (kind_ != Digits && c == u'-' && negative_) ok = !text().contains(u'-') || selectedText().contains(u'-');
        if (ok && kind_ == Digits && maxDigits_ > 0 && text().size() - selectedText().size() >= maxDigits_) ok = false;
        if (!ok) { e->accept(); return; }
        if (ok && c == u'-' && cursorPosition() != 0 && text() != QLatin1String("0") && !hasSelectedText()) {
            e->accept();
            return;
        }
        // A lone "0" gives way to the first typed digit or minus.
        if (kind_ != Digits && (c.isDigit() || c == u'-') && text() == QLatin1String("0")) {
            setText(QString(c));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void NumberEdit::focusOutEvent(QFocusEvent* e) {
    if (kind_ != Digits) {
        const QString t = text().trimmed();
        if (t == QLatin1String("-") || t.isEmpty()) setText(QStringLiteral("0"));
        else if (roundOnLeave_) setText(normaliseTypedNumber(text()));
    }
    QLineEdit::focusOutEvent(e);
}
