#pragma once
// The setup screen's form model. For now it carries the station summary shown at start
// and the EXIT menu; the wizard and the start of a contest build on it.

#include "forms/form_model.h"
#include "forms/message_box.h"
#include "setup/shared_state.h"
#include "store/reference_data.h"

#include <functional>

namespace korvel {

inline constexpr const char* kExitPrompt = "DO YOU WANT TO EXIT PROGRAMM ?";
inline constexpr const char* kExitTitle = "EXIT  ?";
inline constexpr int kExitStyle = 292; // Yes/No, question icon, No the default

class SetupForm : public forms::FormModel {
public:
    SetupForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box);

    // Called once the operator confirmed EXIT and the databases are closed.
    std::function<void()> onExit;
    bool exitConfirmed() const { return exitConfirmed_; }

    // Shows which station and data folder the program uses.
    void refreshSummary();

protected:
    void onClick(const QString& control) override;

private:
    void exitProgram();

    SharedState& state_;
    store::Databases& dbs_;
    forms::MessageBox& box_;
    bool exitConfirmed_ = false;
};

} // namespace korvel
