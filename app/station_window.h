#pragma once
// The station screen's window, a dialog over the setup screen: it mirrors the StationForm
// model and hands it every key and click.

#include "app/form_binder.h"
#include "setup/station_form.h"

#include <QDialog>

class QAbstractButton;

namespace korvel {

class StationWindow : public QDialog {
public:
    StationWindow(StationForm& model, QWidget* parent = nullptr);
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* watch(QWidget* w, const QString& name);
    QWidget* button(QAbstractButton* b, const QString& name);

    StationForm& model_;
    FormBinder binder_;
};

} // namespace korvel
