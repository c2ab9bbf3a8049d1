#pragma once
// The log review screen's window: it mirrors the ReviewForm model and hands it every key,
// click and grid selection. The panels stand on the left, the grids and the header panels
// with their pick list on the right; the written file is shown over the whole right side.

#include "app/form_binder.h"
#include "review/review_form.h"

#include <QMainWindow>

class QHBoxLayout;
class QListWidget;
class QTableView;
class QVBoxLayout;

namespace korvel {

class ReviewWindow : public QMainWindow {
public:
    explicit ReviewWindow(ReviewForm& model, QWidget* parent = nullptr);

    // Copies the model onto the widgets (after every event, and after the model's load).
    void sync();
    ReviewForm& model() { return model_; }
    QTableView* logGrid() { return logGrid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void menus();
    QWidget* frame(const char* name, QWidget* parent);
    QWidget* option(const char* name, QWidget* parent);
    QWidget* label(const QString& name, QWidget* parent);
    QWidget* field(const char* name, QWidget* parent);
    QLayout* archivePanel(QWidget* parent);
    template <std::size_t N>
    QWidget* fieldPanel(const char* frame, const char* const (&names)[N], int columns,
                        QWidget* parent);
    QTableView* grid(const char* name, QAbstractItemModel& rows, std::initializer_list<int> widths,
                     QWidget* parent);
    void forward(const QString& control);
    // The rate picture: in a window of its own, and as a PNG beside each text log written.
    void showRateChart();
    void saveRateChartBeside(const QString& textLog);
    QWidget* find(const char* name);

    ReviewForm& model_;
    FormBinder binder_;
    QTableView* logGrid_ = nullptr;
    QTableView* countryGrid_ = nullptr;
    QListWidget* list_ = nullptr;
    QWidget* leftColumn_ = nullptr;
    QVBoxLayout* right_ = nullptr;
    QHBoxLayout* panels_ = nullptr;
    bool syncing_ = false;
};

} // namespace korvel
