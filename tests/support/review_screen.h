#pragma once
// The review screen's model opened on the review fixture's data folder, with short ways to
// click its controls, read them and name the files of its log folder.

#include "review/log_folders.h"
#include "review/review_controls.h"
#include "review/review_form.h"
#include "tests/review/review_fixture.h"

#include <memory>

namespace korvel::testing {

class ReviewScreen : public ReviewFixture {
protected:
    ReviewForm& open(ReviewOptions options = {}) {
        form = std::make_unique<ReviewForm>(s, dbs, box, std::move(options));
        form->load();
        return *form;
    }
    void click(const char* name) { form->click(QLatin1String(name)); }
    // Runs script lines against the screen (see runFormScript).
    QString run(const char* script) { return runScript(*form, QString::fromUtf8(script)); }
    forms::Control& ctl(const char* name) { return form->ctl(QLatin1String(name)); }
    QString text(const char* name) { return ctl(name).text; }
    bool visible(const char* name) { return ctl(name).visible; }
    QString focus() { return form->focus(); }
    QString logFolder() { return review::exportFolder(s.DataDir, review::kLogFolder); }
    QString logFile(const QString& name) { return logFolder() + QLatin1Char('/') + name; }

    std::unique_ptr<ReviewForm> form;
};

} // namespace korvel::testing
