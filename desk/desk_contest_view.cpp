// The desk as the running contest's rules see it: the shared state and the operations on
// the QSO being entered that the contest files use.
#include "desk/desk_form.h"

#include "scoring/contests/registry.h"

namespace korvel {

using store::LearnedTable;

const scoring::Contest& DeskForm::contest() const {
    return scoring::contestOrNone(s_.ContestCode);
}

SharedState& DeskForm::ContestView::state() {
    return d_.s_;
}

QString DeskForm::ContestView::call() const {
    return d_.trimmedCall();
}

QString DeskForm::ContestView::exchange() const {
    return d_.text(desk_ctl::TxtRSTR2);
}

void DeskForm::ContestView::setExchange(const QString& text) {
    d_.text(desk_ctl::TxtRSTR2) = text;
}

void DeskForm::ContestView::setSentExchange(const QString& text) {
    d_.text(desk_ctl::TxtRSTE2) = text;
}

QString DeskForm::ContestView::shownPrefix() const {
    return d_.text(desk_ctl::TxtPrf).trimmed();
}

bool DeskForm::ContestView::live() const {
    return d_.s_.OffLineInput != Flag::On;
}

bool DeskForm::ContestView::refused() const {
    return d_.dupeState_ == DupeState::Refused;
}

bool DeskForm::ContestView::isNewMark(const QString& key, bool perBand, bool perMode, bool second) {
    return d_.newMark(key, perBand, perMode, second);
}

void DeskForm::ContestView::showNew() {
    d_.show(desk_ctl::LblNeu, true);
}

void DeskForm::ContestView::detectMultiplier() {
    d_.detectMultiplier();
}

void DeskForm::ContestView::exchangeListStep(const QStringList& entries) {
    d_.exchangeListStep(entries);
}

void DeskForm::ContestView::fillPickList(const QStringList& entries) {
    d_.fillPickList(entries);
}

void DeskForm::ContestView::hidePickList() {
    d_.show(desk_ctl::list1, false);
}

void DeskForm::ContestView::offerSubEntities(const QStringList& prefixes) {
    forms::Control& l2 = d_.c(desk_ctl::List2);
    l2.items = prefixes;
    l2.listIndex = -1;
    l2.visible = true;
}

void DeskForm::ContestView::lookupLearned() {
    d_.lookupLearned();
}

void DeskForm::ContestView::lookupSociety() {
    d_.lookupSociety();
}

std::optional<QString> DeskForm::ContestView::societyOfCall(const QString& call) {
    if (const auto society = d_.dbs_.ref.societyByCall(call)) return society->society;
    return std::nullopt;
}

std::optional<QString> DeskForm::ContestView::oblastOfArea(const QString& area) {
    if (const auto obl = d_.dbs_.ref.learned(LearnedTable::CallObl, area)) return obl->value;
    return std::nullopt;
}

void DeskForm::ContestView::focusCall() {
    d_.focusCall();
}

void DeskForm::ContestView::focusExchangeAtEnd() {
    d_.focusAtEnd(desk_ctl::TxtRSTR2);
}

void DeskForm::ContestView::cursorToExchangeEnd() {
    d_.cursorToEnd(desk_ctl::TxtRSTR2);
}

void DeskForm::ContestView::enableStore(bool on) {
    d_.enable(desk_ctl::CmdEnterCall, on);
}

void DeskForm::ContestView::offLinePrefill() {
    d_.offLinePrefill();
}

QString& DeskForm::ContestView::memo() {
    return d_.contestMemo_;
}

} // namespace korvel
