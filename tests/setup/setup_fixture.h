#pragma once
// A setup screen on a data folder of its own: a small country table written for the tests,
// the hidden desk it hands over to, scripted message boxes and a fixed local clock.

#include "core/settings_file.h"
#include "desk/desk_form.h"
#include "desk/message_keys.h"
#include "forms/message_box.h"
#include "platform/clock.h"
#include "setup/setup_form.h"
#include "setup/start_contest.h"
#include "store/reference_data.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral("|")).toStdString() << ']';
}

namespace korvel::testing {

class SetupFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        s.AppDir = dir.path();
        s.DataDir = dir.path();
        ASSERT_EQ(dbs.ref.open(dir.filePath(QStringLiteral("DbsKorvel.mdb"))), QString());
        ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
        // Country, continent, country prefix, prefix, ITU zone, CQ zone.
        const char* const rows[][6] = {
            {"Romania", "Eu", "YO", "YO", "28", "20"},
            {"Germany", "Eu", "DL", "DL", "28", "14"},
            {"Bulgaria", "Eu", "LZ", "LZ", "28", "20"},
            {"Hungary", "Eu", "HA", "HA", "28", "15"},
            {"Spain", "Eu", "EA", "EA", "37", "14"},
            {"Canary Is.", "Af", "EA8", "EA8", "36", "33"},
            {"France", "Eu", "F", "F", "27", "14"},
            {"Netherlands", "Eu", "PA", "PA", "27", "14"},
            {"European Russia", "Eu", "UA", "UA", "29", "16"},
            {"Asiatic Russia", "As", "UA9", "UA9", "30", "17"},
            {"Japan", "As", "JA", "JA", "45", "25"},
            {"United States", "Na", "K", "W", "8", "5"},
            {"Nowhere Reef", "Oc", "ZZ9", "ZZ9", "0", "0"},
        };
        for (const auto& r : rows)
            ASSERT_TRUE(dbs.ref.addCountry(
                {0, QLatin1String(r[0]), QLatin1String(r[1]), QLatin1String(r[2]),
                 QLatin1String(r[3]), QLatin1String(r[4]), QLatin1String(r[5]), 0, QString()}));
        platform.screenWidthPx = 1024;
        platform.screenHeightPx = 768;
        platform.audioOutputs = 1;
        platform.localNow = [this] { return now; };
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
    }

    // A fresh setup screen, loaded; the messages of the load are forgotten unless kept.
    SetupForm& open(bool keepMessages = false) {
        form = std::make_unique<SetupForm>(s, dbs, box, desk.get(), platform);
        form->onHelp = [this](HelpLanguage language, int context) {
            help.emplace_back(language, context);
        };
        form->onContestStarted = [this] { ++started; };
        loadResult = form->load();
        if (!keepMessages) box.clear();
        return *form;
    }

    // A station already set up in an earlier run.
    void writeStation(const QString& call, const QString& prefix, const QString& cont,
                      const QString& zone, const QString& locator = QStringLiteral("KN34BW")) {
        SharedState earlier;
        earlier.AppDir = s.AppDir;
        earlier.MyCall = call;
        earlier.TimeOffset = 2;
        earlier.LookupCnt = cont;
        earlier.MyZone = zone;
        earlier.MyPrfx = prefix;
        earlier.MyQRA = locator;
        earlier.CwTextF1 = QStringLiteral("CQ TEST #1");
        earlier.ComPort = 1;
        ASSERT_TRUE(writeInitFile(earlier, initFilePath(earlier)).ok);
        ASSERT_TRUE(writeCwTextFile(earlier, cwTextFilePath(earlier)).ok);
    }

    // The wizard up to the contest: the language, then the contest's option button.
    void choose(const char* contestButton, bool english = true) {
        form->click(english ? QStringLiteral("OpbEnglish") : QStringLiteral("OpBRomanian"));
        box.clear();
        form->click(QLatin1String(contestButton));
    }

    void typeInto(const char* field, const QString& text) {
        form->ctl(QLatin1String(field)).text.clear();
        form->focusAtEnd(QLatin1String(field));
        form->typeText(text);
    }
    void enter() { form->pressKey(forms::Key::Enter); }
    void set(const char* field, const QString& value) {
        form->ctl(QLatin1String(field)).text = value;
    }
    QString focus() const { return form->focus(); }

    // Each named control of the model shows exactly the text given.
    static void expectTexts(const forms::FormModel& model,
                            std::initializer_list<std::pair<const char*, const char*>> want) {
        for (const auto& [name, text] : want)
            EXPECT_EQ(model.ctl(QLatin1String(name)).text, QString::fromUtf8(text)) << name;
    }
    void expectTexts(std::initializer_list<std::pair<const char*, const char*>> want) const {
        expectTexts(*form, want);
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    const forms::Control& ctl(const char* name) const { return form->ctl(QLatin1String(name)); }
    QString text(const char* name) const { return ctl(name).text; }
    bool visible(const char* name) const { return ctl(name).visible; }
    const forms::Control& deskCtl(const char* name) const { return desk->ctl(QLatin1String(name)); }

    // Looked at only when there is an expectation.
    static void expectIfGiven(const QString& got, const char* want) {
        if (!want) return;
        EXPECT_EQ(got, QString::fromUtf8(want));
    }

    // A new run of the program on the same data folder.
    void freshState() {
        s = SharedState{};
        s.AppDir = s.DataDir = dir.path();
    }
    // Exactly one message, this one in this style.
    void expectOneMessage(const QString& prompt, int style) const {
        ASSERT_EQ(box.shown().size(), 1u);
        EXPECT_EQ(box.shown()[0].prompt, prompt);
        EXPECT_EQ(box.shown()[0].style, style);
    }

    QStringList prompts() const {
        QStringList p;
        for (const auto& m : box.shown())
            p << m.prompt;
        return p;
    }

    static int lineCount(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(f.readAll().count("\r\n"));
    }

    QTemporaryDir dir;
    SharedState s;
    store::Databases dbs;
    forms::ScriptedMessageBox box;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC)};
    QDateTime now{QDate(2026, 12, 6), QTime(14, 7)};
    SilentMessageKeys keys;
    SetupPlatform platform;
    std::unique_ptr<DeskForm> desk;
    std::unique_ptr<SetupForm> form;
    std::optional<int> loadResult;
    std::vector<std::pair<HelpLanguage, int>> help;
    int started = 0;
};

} // namespace korvel::testing
