#include "forms/form_model.h"

#include <algorithm>
#include <stdexcept>

namespace korvel::forms {

namespace {

struct KeyName {
    const char* name;
    Key key;
};

constexpr KeyName kKeyNames[] = {
    {"Space", Key::Space},
    {"Enter", Key::Enter},
    {"Return", Key::Enter},
    {"Tab", Key::Tab},
    {"Esc", Key::Esc},
    {"Escape", Key::Esc},
    {"Backspace", Key::Backspace},
    {"Delete", Key::Delete},
    {"Insert", Key::Insert},
    {"Home", Key::Home},
    {"End", Key::End},
    {"Left", Key::Left},
    {"Right", Key::Right},
    {"Up", Key::Up},
    {"Down", Key::Down},
    {"PageUp", Key::PageUp},
    {"PageDown", Key::PageDown},
    {"F1", Key::F1},
    {"F2", Key::F2},
    {"F3", Key::F3},
    {"F4", Key::F4},
    {"F5", Key::F5},
    {"F6", Key::F6},
    {"F7", Key::F7},
    {"F8", Key::F8},
    {"F9", Key::F9},
    {"F10", Key::F10},
    {"F11", Key::F11},
    {"F12", Key::F12},
};

// The character a key produces at the key-press stage, or 0.
int asciiOf(const KeyEvent& e) {
    if (e.alt || e.ctrl) return 0;
    switch (e.key) {
    case Key::Char: return e.ch.unicode();
    case Key::Space: return 32;
    case Key::Enter: return 13;
    case Key::Tab: // screens that handle Tab themselves see it here too
        return 9;
    case Key::Backspace: return 8;
    case Key::Esc: return 27;
    default: return 0;
    }
}

} // namespace

bool keyFromName(const QString& name, Key& key) {
    for (const KeyName& k : kKeyNames)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) {
            key = k.key;
            return true;
        }
    return false;
}

int functionKeyNumber(Key key) {
    const int n = static_cast<int>(key) - static_cast<int>(Key::F1) + 1;
    return n >= 1 && n <= 12 ? n : 0;
}

FormModel::FormModel(QString formName) : formName_(std::move(formName)) {}

Control& FormModel::add(const QString& name, ControlKind kind, const QString& text) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    if (kind == ControlKind::Text || kind == ControlKind::List || kind == ControlKind::Grid)
        c.back = colour::kWhite;
    auto [it, inserted] = controls_.emplace(name, c);
    if (inserted) order_.push_back(name);
    return it->second;
}

Control& FormModel::ctl(const QString& name) {
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::out_of_range(
            QStringLiteral("%1 has no control %2").arg(formName_, name).toStdString());
    return it->second;
}

const Control& FormModel::ctl(const QString& name) const {
    return const_cast<FormModel*>(this)->ctl(name);
}

void FormModel::setFocus(const QString& name) {
    ctl(name); // must exist
    if (focus_ == name) return;
    const QString old = focus_;
    focus_ = name;
    if (!old.isEmpty()) onFocusOut(old);
    onFocusIn(name);
}

void FormModel::focusAtEnd(const QString& name) {
    setFocus(name);
    Control& c = ctl(name);
    QString t = c.text;
    while (!t.isEmpty() && t.back() == QLatin1Char(' '))
        t.chop(1);
    c.selStart = static_cast<int>(t.size());
    c.selLength = 0;
}

void FormModel::focusSelectAll(const QString& name) {
    setFocus(name);
    Control& c = ctl(name);
    c.selStart = 0;
    c.selLength = static_cast<int>(c.text.size());
}

void FormModel::pressKey(KeyEvent e) {
    const QString target = focus_;
    // A disabled field takes no keys (a window would not let it have the focus).
    if (!target.isEmpty() && ctl(target).isText() && !ctl(target).enabled) return;
    onKeyDown(target, e);
    if (e.swallowed) return;
    if (!focus_.isEmpty() && focus_ == target) moveCursor(ctl(focus_), e);
    int ascii = asciiOf(e);
    if (ascii != 0) {
        onKeyPress(focus_, ascii);
        if (ascii != 0 && !focus_.isEmpty()) {
            Control& c = ctl(focus_);
            if (c.isText() && c.enabled) editText(c, ascii);
        }
    }
    onKeyUp(focus_, e);
}

void FormModel::typeText(const QString& text) {
    for (const QChar ch : text) {
        KeyEvent e;
        if (ch == QLatin1Char(' ')) {
            e.key = Key::Space;
        } else {
            e.key = Key::Char;
            e.ch = ch;
        }
        pressKey(e);
    }
}

void FormModel::click(const QString& name) {
    Control& c = ctl(name);
    if (!c.enabled || !c.visible) return;
    if (c.kind == ControlKind::Check) c.checked = !c.checked;
    if (c.kind == ControlKind::Option) c.checked = true;
    if (c.kind == ControlKind::Text) setFocus(name); // a click puts the cursor there
    onClick(name);
}

void FormModel::dblClick(const QString& name) {
    const Control& c = ctl(name);
    if (!c.enabled || !c.visible) return;
    onDblClick(name);
}

void FormModel::clickItem(const QString& list, const QString& item) {
    Control& c = ctl(list);
    if (!c.enabled || !c.visible) return;
    const int i = static_cast<int>(c.items.indexOf(item));
    if (i < 0) return;
    c.listIndex = i;
    onClick(list);
}

void FormModel::editText(Control& c, int ascii) {
    const int len = static_cast<int>(c.text.size());
    int start = std::clamp(c.selStart, 0, len);
    int count = std::clamp(c.selLength, 0, len - start);
    const QString before = c.text;
    if (ascii == 8) {
        if (count == 0 && start > 0) {
            --start;
            count = 1;
        }
        c.text.remove(start, count);
    } else if (ascii >= 32) {
        c.text.replace(start, count, QChar(ascii));
        ++start;
    } else {
        return;
    }
    c.selStart = start;
    c.selLength = 0;
    if (c.text != before) onChange(c.name);
}

void FormModel::moveCursor(Control& c, const KeyEvent& e) {
    if (!c.isText() || e.alt || e.ctrl) return;
    const int len = static_cast<int>(c.text.size());
    switch (e.key) {
    case Key::Left: c.selStart = std::max(0, std::min(c.selStart, len) - 1); break;
    case Key::Right: c.selStart = std::min(len, c.selStart + c.selLength + 1); break;
    case Key::Home: c.selStart = 0; break;
    case Key::End: c.selStart = len; break;
    case Key::Delete:
        if (c.enabled && c.selStart < len) {
            c.text.remove(c.selStart, std::max(1, c.selLength));
            c.selLength = 0;
            onChange(c.name);
        }
        return;
    default: return;
    }
    c.selLength = 0;
}

} // namespace korvel::forms
