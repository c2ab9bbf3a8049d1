#pragma once
// The desk's station panel on the right of the desk: the band map of the desk's band, each
// spot in the colour of its mark, and the cluster console with its command line. It mirrors
// the desk's model: a double click on a spot and the command line's keys go to the model.
// It stands beside the log grid; on a small screen it is folded away behind a narrow button.

#include "app/form_binder.h"
#include "desk/desk_form.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace korvel {

class StationPanel : public QWidget {
public:
    // Binds its widgets to the model's controls through `binder`; `sync` copies the whole
    // desk after an event the panel forwarded.
    StationPanel(DeskForm& model, FormBinder& binder, std::function<void()> sync, QWidget* parent);

    // Puts the panel on the right of the last part of `root` (the log grid), folded away
    // behind a narrow button when `folded`.
    void besideLog(QVBoxLayout* root, bool folded);
    // The command line: its keys go to the model as every field's do.
    QLineEdit* commandLine() const { return command_; }
    // The marks' colours on the band map's rows, the console at its newest line.
    void sync();

private:
    DeskForm& model_;
    std::function<void()> syncAll_;
    QListWidget* bandMap_ = nullptr;
    QListWidget* console_ = nullptr;
    QLineEdit* command_ = nullptr;
    QWidget* side_ = nullptr;
    int consoleLines_ = 0;
};

} // namespace korvel
