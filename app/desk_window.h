#pragma once
// The QSO entry desk's window: it mirrors the DeskForm model and hands it every key and
// click. It decides nothing itself.

#include "app/form_binder.h"
#include "desk/desk_form.h"

#include <QBoxLayout>
#include <QMainWindow>
#include <QTimer>

#include <functional>

class QTableWidget;

namespace korvel {

class CompassWidget;
class DxClusterPanel;
class StationPanel;

class DeskWindow : public QMainWindow {
public:
    explicit DeskWindow(DeskForm& model, SharedState& state, QWidget* parent = nullptr);

    // Copies the model onto the widgets (after every event; also for tests that change the
    // model directly).
    void sync();
    DeskForm& model() { return model_; }

    // Help topics of the desk's menu go here (language, context number) when set.
    std::function<void(HelpLanguage language, int context)> onHelp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Keys that reach no field (none has the focus): band keys, the band-and-mode reminder.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window, panel by panel from the top.
    void build();
    QFont captionRow(QVBoxLayout* root);
    void entryRow(QVBoxLayout* root, const QFont& big);
    void analysisRows(QVBoxLayout* root);
    void actionsAndBands(QHBoxLayout* middle, const QFont& big);
    QWidget* ownStationFrame();
    QWidget* scoreFrame();
    void logGrid(QVBoxLayout* root);
    QWidget* superCheckBeside(QWidget* grid);
    QWidget* figureLabels(QWidget* parent);
    bool foldFigures() const;
    void cwPanel(QVBoxLayout* root);
    void messageKeys(QVBoxLayout* root);
    void menus();
    QWidget* field(const QString& name, int width = 0);
    QWidget* label(const QString& name, QWidget* parent = nullptr);
    QWidget* button(const QString& name);
    void forwardClick(const QString& control);
    void refreshGrid();
    void applyScale();
    // A screen of 800x600 or smaller: the compact layout.
    bool compact() const;

    DeskForm& model_;
    SharedState& state_;
    FormBinder binder_;
    CompassWidget* compass_ = nullptr;
    QTableWidget* grid_ = nullptr;
    DxClusterPanel* cluster_ = nullptr;
    StationPanel* station_ = nullptr;
    QTimer clock_;
    std::size_t gridShown_ = static_cast<std::size_t>(-1);
    std::int64_t gridFirstId_ = -1, gridLastId_ = -1;
};

} // namespace korvel
