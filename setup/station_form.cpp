#include "setup/station_form.h"

#include <algorithm>
#include <iterator>

namespace korvel {

namespace ctl = station_ctl;
using forms::ControlKind;
using forms::Key;

namespace {

// The order Tab goes round.
constexpr ctl::Name kOrder[] = {
    ctl::ChkRig,      ctl::LstRigModel, ctl::TxtRigDevice, ctl::TxtRigSpeed, ctl::TxtRigNet,
    ctl::TxtRigPoll,  ctl::ChkCluster,  ctl::LstNodes,     ctl::TxtNode,     ctl::TxtSpotAge,
    ctl::ChkCwDaemon, ctl::TxtCwDaemon, ctl::TxtCwWeight,  ctl::CmdSave,     ctl::CmdCancel};

// A whole number within bounds, or nothing.
std::optional<int> number(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high) return std::nullopt;
    return n;
}

QString hostPort(const QString& host, int port) {
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

} // namespace

StationForm::StationForm(QString path, std::vector<RigModelEntry> models)
    : FormModel(ctl::form), path_(std::move(path)), models_(std::move(models)) {
    add(ctl::ChkRig, ControlKind::Check, QStringLiteral("&RIG CONTROL (Hamlib)"));
    add(ctl::LstRigModel, ControlKind::List);
    for (ctl::Name name : {ctl::TxtRigDevice, ctl::TxtRigSpeed, ctl::TxtRigNet, ctl::TxtRigPoll})
        add(name, ControlKind::Text);
    add(ctl::ChkCluster, ControlKind::Check, QStringLiteral("DX &CLUSTER (telnet)"));
    add(ctl::LstNodes, ControlKind::List);
    add(ctl::TxtNode, ControlKind::Text);
    add(ctl::TxtSpotAge, ControlKind::Text);
    add(ctl::ChkCwDaemon, ControlKind::Check, QStringLiteral("CW BY C&WDAEMON"));
    add(ctl::TxtCwDaemon, ControlKind::Text);
    add(ctl::TxtCwWeight, ControlKind::Text);
    add(ctl::CmdSave, ControlKind::Button, QStringLiteral("SA&VE"));
    add(ctl::CmdCancel, ControlKind::Button, QStringLiteral("CANCE&L"));
    add(ctl::LblStatus, ControlKind::Label);
    const StationReadResult read = readStationFile(settings_, path_);
    show();
    ctl(ctl::LblStatus).text = read.warning;
    setFocus(ctl::ChkRig);
}

int StationForm::modelIndex(int model) const {
    for (std::size_t i = 0; i < models_.size(); ++i)
        if (models_[i].model == model) return static_cast<int>(i);
    return -1;
}

void StationForm::show() {
    const StationSettings& s = settings_;
    ctl(ctl::ChkRig).checked = s.rigOn;
    forms::Control& models = ctl(ctl::LstRigModel);
    models.items.clear();
    for (const RigModelEntry& m : models_)
        models.items << QStringLiteral("%1 %2").arg(m.model, 5).arg(m.caption);
    models.listIndex = modelIndex(s.rigModel);
    ctl(ctl::TxtRigDevice).text = s.rigDevice;
    ctl(ctl::TxtRigSpeed).text = QString::number(s.rigSerialSpeed);
    ctl(ctl::TxtRigNet).text = hostPort(s.rigHost, s.rigPort);
    ctl(ctl::TxtRigPoll).text = QString::number(s.rigPollMs);
    ctl(ctl::ChkCluster).checked = s.clusterOn;
    ctl(ctl::LstNodes).items = s.clusterNodes;
    ctl(ctl::LstNodes).listIndex = s.clusterNodes.isEmpty() ? -1 : s.clusterNode;
    ctl(ctl::TxtSpotAge).text = QString::number(s.spotMinutes);
    ctl(ctl::ChkCwDaemon).checked = s.cwDaemonOn;
    ctl(ctl::TxtCwDaemon).text = hostPort(s.cwDaemonHost, s.cwDaemonPort);
    ctl(ctl::TxtCwWeight).text = QString::number(s.cwDaemonWeighting);
}

bool StationForm::fail(ctl::Name control, const QString& why) {
    ctl(ctl::LblStatus).text = why;
    focusAtEnd(control);
    return false;
}

bool StationForm::save() {
    StationSettings s = settings_;
    s.rigOn = ctl(ctl::ChkRig).checked;
    const int picked = ctl(ctl::LstRigModel).listIndex;
    if (picked >= 0 && picked < static_cast<int>(models_.size()))
        s.rigModel = models_[static_cast<std::size_t>(picked)].model;
    s.rigDevice = ctl(ctl::TxtRigDevice).text.trimmed();
    const auto speed = number(ctl(ctl::TxtRigSpeed).text, 0, 1000000);
    if (!speed) return fail(ctl::TxtRigSpeed, QStringLiteral("SERIAL SPEED: 0 TO 1000000"));
    s.rigSerialSpeed = *speed;
    if (!splitNode(ctl(ctl::TxtRigNet).text.trimmed(), &s.rigHost, &s.rigPort))
        return fail(ctl::TxtRigNet, QStringLiteral("RIGCTLD: host:port"));
    const auto poll = number(ctl(ctl::TxtRigPoll).text, 50, 10000);
    if (!poll) return fail(ctl::TxtRigPoll, QStringLiteral("POLL: 50 TO 10000 ms"));
    s.rigPollMs = *poll;
    if (s.rigOn && s.rigModel != 2 && s.rigDevice.isEmpty())
        return fail(ctl::TxtRigDevice, QStringLiteral("RIG: A SERIAL DEVICE SUCH AS /dev/ttyUSB0"));

    s.clusterOn = ctl(ctl::ChkCluster).checked;
    s.clusterNodes = ctl(ctl::LstNodes).items;
    s.clusterNode = std::max(0, ctl(ctl::LstNodes).listIndex);
    if (s.clusterOn && s.clusterNodes.isEmpty())
        return fail(ctl::TxtNode, QStringLiteral("CLUSTER: ADD A NODE host:port"));
    const auto age = number(ctl(ctl::TxtSpotAge).text, 1, 1440);
    if (!age) return fail(ctl::TxtSpotAge, QStringLiteral("SPOT AGE: 1 TO 1440 MINUTES"));
    s.spotMinutes = *age;

    s.cwDaemonOn = ctl(ctl::ChkCwDaemon).checked;
    if (!splitNode(ctl(ctl::TxtCwDaemon).text.trimmed(), &s.cwDaemonHost, &s.cwDaemonPort))
        return fail(ctl::TxtCwDaemon, QStringLiteral("CWDAEMON: host:port"));
    const auto weight = number(ctl(ctl::TxtCwWeight).text, -50, 50);
    if (!weight) return fail(ctl::TxtCwWeight, QStringLiteral("WEIGHTING: -50 TO 50"));
    s.cwDaemonWeighting = *weight;

    if (const QString error = writeStationFile(s, path_); !error.isEmpty())
        return fail(ctl::CmdSave, error);
    settings_ = s;
    ctl(ctl::LblStatus).text.clear();
    return true;
}

void StationForm::addNode() {
    QString host;
    int port = 0;
    const QString node = ctl(ctl::TxtNode).text.trimmed();
    if (!splitNode(node, &host, &port)) {
        fail(ctl::TxtNode, QStringLiteral("NODE: host:port"));
        return;
    }
    forms::Control& nodes = ctl(ctl::LstNodes);
    if (!nodes.items.contains(node)) nodes.items << node;
    nodes.listIndex = static_cast<int>(nodes.items.indexOf(node));
    ctl(ctl::TxtNode).text.clear();
    ctl(ctl::LblStatus).text.clear();
}

void StationForm::deleteNode() {
    forms::Control& nodes = ctl(ctl::LstNodes);
    if (nodes.listIndex < 0 || nodes.listIndex >= nodes.items.size()) return;
    nodes.items.removeAt(nodes.listIndex);
    nodes.listIndex = std::min(nodes.listIndex, static_cast<int>(nodes.items.size()) - 1);
}

void StationForm::onKeyDown(const QString& control, forms::KeyEvent& e) {
    const auto at = std::find_if(std::begin(kOrder), std::end(kOrder),
                                 [&](ctl::Name n) { return control == n; });
    const int i = static_cast<int>(at - std::begin(kOrder));
    const int count = static_cast<int>(std::size(kOrder));
    const bool isText = has(control) && ctl(control).isText();
    if (e.key == Key::Tab || (e.key == Key::Enter && isText && control != ctl::TxtNode)) {
        e.swallowed = true;
        const int next = (i + (e.shift ? count - 1 : 1)) % count;
        const ctl::Name name = kOrder[static_cast<std::size_t>(next)];
        ctl(name).isText() ? focusAtEnd(name) : setFocus(name);
        return;
    }
    if (e.key == Key::Esc) {
        e.swallowed = true;
        click(ctl::CmdCancel);
        return;
    }
    if (!has(control)) return;
    forms::Control& c = ctl(control);
    if (c.kind == ControlKind::Check && e.key == Key::Space) {
        e.swallowed = true;
        click(control);
    } else if (c.kind == ControlKind::Button && (e.key == Key::Enter || e.key == Key::Space)) {
        e.swallowed = true;
        click(control);
    } else if (c.kind == ControlKind::List && (e.key == Key::Up || e.key == Key::Down)) {
        e.swallowed = true;
        const int step = e.key == Key::Up ? -1 : 1;
        c.listIndex = std::clamp(c.listIndex + step, 0, static_cast<int>(c.items.size()) - 1);
    } else if (control == ctl::LstNodes && e.key == Key::Delete) {
        e.swallowed = true;
        deleteNode();
    } else if (control == ctl::TxtNode && e.key == Key::Enter) {
        e.swallowed = true;
        addNode();
    }
}

void StationForm::onClick(const QString& control) {
    if (control == ctl::CmdSave) {
        if (save() && onClose) onClose();
    } else if (control == ctl::CmdCancel) {
        if (onClose) onClose();
    } else if (control != ctl::LblStatus) {
        setFocus(control); // a click puts the focus on the control, as on a field
    }
}

} // namespace korvel
