#include "setup/setup_form.h"

namespace korvel {

using forms::ControlKind;

SetupForm::SetupForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box)
    : forms::FormModel(QStringLiteral("FrmInit")), state_(state), dbs_(dbs), box_(box) {
    add(QStringLiteral("LblContest"), ControlKind::Label);
    add(QStringLiteral("LblStation"), ControlKind::Label);
    add(QStringLiteral("LblDataDir"), ControlKind::Label);
    add(QStringLiteral("mnuBeenden"), ControlKind::Menu, QStringLiteral("E&XIT"));
    refreshSummary();
}

void SetupForm::refreshSummary() {
    ctl(QStringLiteral("LblContest")).text = QStringLiteral("BEFORE START PLEASE FILL THIS PAGE ");
    const QString call = state_.MyCall.trimmed();
    ctl(QStringLiteral("LblStation")).text =
        call.isEmpty() ? QStringLiteral("Station: (no call yet)")
                       : QStringLiteral("Station: %1  %2  %3")
                             .arg(call, state_.MyPrfx.trimmed(), state_.MyQRA.trimmed());
    ctl(QStringLiteral("LblDataDir")).text = QStringLiteral("Data folder: %1").arg(state_.DataDir);
}

void SetupForm::onClick(const QString& control) {
    if (control == QLatin1String("mnuBeenden")) exitProgram();
}

void SetupForm::exitProgram() {
    const int answer = forms::askRecorded(state_, box_, kExitStyle, QLatin1String(kExitPrompt),
                                          QLatin1String(kExitTitle));
    if (answer != forms::msg::kYes) return;
    dbs_.closeAll();
    exitConfirmed_ = true;
    if (onExit) onExit();
}

} // namespace korvel
