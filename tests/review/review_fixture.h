#pragma once
// Tests of the review screen and the exports: a data folder of their own with both
// databases open (the country table empty), a station and a contest, scripted message
// boxes, and a short way to log hand-made QSOs.

#include "core/shared_state.h"
#include "forms/message_box.h"
#include "store/reference_data.h"
#include "tests/support/form_script.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel::testing {

// One QSO as the desk stores it.
struct Qso {
    const char* call;
    const char* date;
    const char* utc;
    const char* band;
    const char* sent;
    const char* rcvd;
    const char* mode;
    const char* mlt = "";
    const char* mlt1 = "";
    const char* pct = "1";
};

class ReviewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dbs.ref.open(dir.filePath(QStringLiteral("DbsKorvel.mdb"))).isEmpty());
        ASSERT_TRUE(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))).isEmpty());
        s.AppDir = dir.path();
        s.DataDir = dir.path();
        s.MyCall = QStringLiteral("YO9XX");
        s.ContestCode = 201;
        s.ContestName = QStringLiteral("CQ-WW ");
        s.StartDateFmt = QStringLiteral("28.11.26");
        s.Language = HelpLanguage::English;
    }

    void log(std::initializer_list<Qso> qsos) {
        for (const Qso& q : qsos) {
            store::QsoRow r;
            r.callsign = QLatin1String(q.call);
            r.data = QLatin1String(q.date);
            r.utc = QLatin1String(q.utc);
            r.bnd = QLatin1String(q.band);
            r.sent = QLatin1String(q.sent);
            r.rcvd = QLatin1String(q.rcvd);
            r.md = QLatin1String(q.mode);
            r.mlt = QLatin1String(q.mlt);
            r.mlt1 = QLatin1String(q.mlt1);
            r.pct = QLatin1String(q.pct);
            ASSERT_GT(dbs.log.insertQso(r), 0) << dbs.log.lastError().toStdString();
        }
    }

    QString runScript(forms::FormModel& form, const QString& script) {
        return runFormScript(form, box, script);
    }
    QStringList prompts() const { return shownPrompts(box); }

    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    SharedState s;
    store::Databases dbs;
    forms::ScriptedMessageBox box;
};

} // namespace korvel::testing
