// The key-script parser on any text, against a small screen of every kind of control: a
// script runs to its end or stops with an error naming its line.
#include "forms/form_model.h"
#include "forms/message_box.h"
#include "forms/script_runner.h"
#include "tests/fuzz/fuzz_support.h"

#include <QTextStream>

#include <cstdlib>

using namespace korvel::forms;

namespace {

// A screen with a field, a list, a button that asks a question and a check box.
class Screen : public FormModel {
public:
    explicit Screen(MessageBox& box) : FormModel(QStringLiteral("Fuzz")), box_(box) {
        add(QStringLiteral("txtCall"), ControlKind::Text);
        add(QStringLiteral("txtRst"), ControlKind::Text, QStringLiteral("599"));
        add(QStringLiteral("list1"), ControlKind::List).items = {QStringLiteral("DL"),
                                                                 QStringLiteral("YO")};
        add(QStringLiteral("cmdAsk"), ControlKind::Button, QStringLiteral("ASK"));
        add(QStringLiteral("chkOn"), ControlKind::Check);
        setFocus(QStringLiteral("txtCall"));
    }

protected:
    void onClick(const QString& control) override {
        if (control == QLatin1String("cmdAsk"))
            ctl(QStringLiteral("txtRst")).text = QString::number(
                box_.ask(msg::kYesNoCancel, QStringLiteral("SURE ?"), QStringLiteral("Fuzz")));
    }
    void onKeyDown(const QString& control, KeyEvent& e) override {
        if (e.key == Key::Enter)
            setFocus(control == QLatin1String("txtCall") ? QStringLiteral("txtRst")
                                                         : QStringLiteral("txtCall"));
    }

private:
    MessageBox& box_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString script = korvel::fuzz::text(data, size);
    ScriptedMessageBox box;
    Screen screen(box);
    QString output;
    QTextStream out(&output);
    ScriptRunner runner([&]() -> FormModel* { return &screen; }, box, out);
    runner.setExtension([](const QString& command, const QString&, QString& error) {
        if (command == QLatin1String("noop")) return true;
        error = QStringLiteral("unknown command");
        return false;
    });
    QTextStream in(&script);
    QString error;
    if (!runner.run(in, error) && !error.startsWith(QLatin1String("line "))) std::abort();
    return 0;
}
