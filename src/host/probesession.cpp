#include <zarn/host/coreprotocol.h>
#include <zarn/host/openocdclient.h>
#include <zarn/host/probesession.h>

#include <algorithm>

namespace ZARN {

using CoreProtocol::Operation;

namespace {

int widthOf(const QVector<const ProbeMapProbe *> &probes)
{
    int width = 0;
    for (const ProbeMapProbe *probe : probes)
        width += probe->width;
    return width;
}

// The probes' fields of a scan's answer, the status before them.
QVector<DrField> fieldsOf(const DrField &answer, const QVector<const ProbeMapProbe *> &probes)
{
    QVector<DrField> fields;
    int from = CoreProtocol::statusBits;
    for (const ProbeMapProbe *probe : probes) {
        fields.append(answer.mid(from, probe->width));
        from += probe->width;
    }
    return fields;
}

ProbeSession::Result noCoreInMap(int position)
{
    return {ProbeSession::Failure::NoCore, QStringLiteral("the map has no core at position %1").arg(position)};
}

QString hex32(quint64 value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

} // namespace

ProbeSession::ProbeSession(OpenOcdClient *client, const ProbeMap &map, const QString &tap)
    : m_client(client)
    , m_map(map)
    , m_tap(tap)
{
}

void ProbeSession::setRetries(int retries, int cyclesEach)
{
    m_retries = retries;
    m_cyclesEach = cyclesEach;
}

const ProbeMapCore *ProbeSession::core(int position) const
{
    for (const ProbeMapCore &entry : m_map.cores) {
        if (entry.position == position)
            return &entry;
    }
    return nullptr;
}

QVector<const ProbeMapProbe *> ProbeSession::probesOf(const ProbeMapCore &core, const QString &kind)
{
    QVector<const ProbeMapProbe *> probes;
    for (const ProbeMapProbe &probe : core.probes) {
        if (probe.kind == kind)
            probes.append(&probe);
    }
    std::sort(probes.begin(), probes.end(), [](const ProbeMapProbe *a, const ProbeMapProbe *b) { return a->index < b->index; });
    return probes;
}

ProbeSession::Result ProbeSession::failure(Failure failure, const QString &error)
{
    return {failure, error};
}

QString ProbeSession::clockStopped(const ProbeMapCore &core, const QString &what) const
{
    return QStringLiteral("the user clock %1 of core %2 does not run: %3 in %4 TCK cycles")
        .arg(core.clock)
        .arg(core.position)
        .arg(what)
        .arg(qint64(m_retries) * m_cyclesEach);
}

ProbeSession::Result ProbeSession::tcl(const QStringList &commands, QStringList *values)
{
    // One RPC for all of them; ER1 first, whatever the last user of the TAP left.
    QString command = QStringLiteral("list [irscan %1 %2]").arg(m_tap).arg(CoreProtocol::er1);
    for (const QString &part : commands)
        command += QStringLiteral(" [%1]").arg(part);
    const OpenOcdClient::Reply reply = m_client->run(command);
    if (reply.status == OpenOcdClient::Status::TclError && reply.value.contains(m_tap))
        return failure(Failure::Tap, QStringLiteral("OpenOCD has no TAP %1: %2 (zarn openocd-config declares zarn.tap)").arg(m_tap, reply.value.trimmed()));
    if (!reply.ok())
        return failure(Failure::OpenOcd, reply.error);
    QStringList elements;
    if (!OpenOcdClient::splitList(reply.value, &elements) || elements.size() != commands.size() + 1)
        return failure(Failure::OpenOcd, QStringLiteral("OpenOCD's answer to the scans is no list of their results: %1").arg(reply.value.left(200)));
    *values = elements.mid(1);
    return {};
}

ProbeSession::Result ProbeSession::run(int position, const QVector<Scan> &scans, QVector<DrField> *answers)
{
    QStringList commands;
    QVector<int> scanAt; // the command of each scan
    for (const Scan &scan : scans) {
        if (scan.idleBefore > 0)
            commands.append(QStringLiteral("runtest %1").arg(scan.idleBefore));
        scanAt.append(int(commands.size()));
        commands.append(CoreProtocol::drscan(m_tap, CoreProtocol::header(Operation(scan.operation), position), scan.data));
    }
    QStringList values;
    Result result = tcl(commands, &values);
    if (!result.ok())
        return result;
    answers->clear();
    for (int i = 0; i < scans.size(); ++i) {
        const QString &value = values.at(scanAt.at(i));
        const QStringList fields = OpenOcdClient::drscanFields(value);
        DrField answer;
        if (fields.size() != 2 || !DrField::fromHex(fields.at(1), scans.at(i).data.width(), &answer))
            return failure(Failure::OpenOcd, QStringLiteral("OpenOCD's scan answered '%1'").arg(value.left(200)));
        const QString mismatch = CoreStatus::fromAnswer(answer).mismatch(position);
        if (!mismatch.isEmpty())
            return failure(Failure::NoCore, mismatch + QStringLiteral(": the design has no such core, or another chain is connected"));
        answers->append(answer);
    }
    return {};
}

ProbeSession::Result ProbeSession::checkDesign()
{
    QStringList values;
    Result result = tcl({QStringLiteral("irscan %1 1").arg(m_tap), QStringLiteral("drscan %1 32 %2").arg(m_tap, DrField(32).toHex()),
                         QStringLiteral("irscan %1 %2").arg(m_tap).arg(CoreProtocol::er1),
                         CoreProtocol::drscan(m_tap, CoreProtocol::header(Operation::Status, CoreProtocol::identityPosition),
                                              DrField(CoreProtocol::identityBits))},
                        &values);
    if (!result.ok())
        return result;
    DrField idcode;
    if (!DrField::fromHex(values.at(1).trimmed(), 32, &idcode))
        return failure(Failure::OpenOcd, QStringLiteral("OpenOCD's IDCODE scan answered '%1'").arg(values.at(1)));
    if (idcode.number(0, 32) != CoreProtocol::idcode)
        return failure(Failure::Tap, QStringLiteral("the TAP %1 answers IDCODE %2, not the open cores' %3: is the design with the cores loaded?")
                                         .arg(m_tap, hex32(idcode.number(0, 32)), hex32(CoreProtocol::idcode)));
    const QStringList fields = OpenOcdClient::drscanFields(values.at(3));
    DrField identity;
    if (fields.size() != 2 || !DrField::fromHex(fields.at(1), CoreProtocol::identityBits, &identity))
        return failure(Failure::OpenOcd, QStringLiteral("OpenOCD's identity scan answered '%1'").arg(values.at(3)));
    bool known = false;
    const quint32 expected = m_map.designIdentity(&known);
    if (!known || identity.number(0, CoreProtocol::identityBits) != expected)
        return failure(Failure::OtherDesign, QStringLiteral("the design answers identity %1, the map's is %2: the map is of another design, or of "
                                                            "another generation of it")
                                                 .arg(hex32(identity.number(0, CoreProtocol::identityBits)), known ? hex32(expected) : QStringLiteral("unknown")));
    return {};
}

ProbeSession::Result ProbeSession::read(int position, QVector<DrField> *inputs, QVector<DrField> *outputs)
{
    const ProbeMapCore *entry = core(position);
    if (!entry)
        return noCoreInMap(position);
    const QVector<const ProbeMapProbe *> ins = probesOf(*entry, QStringLiteral("in"));
    const QVector<const ProbeMapProbe *> outs = probesOf(*entry, QStringLiteral("out"));
    const int readBits = CoreProtocol::dataBits(Operation::ReadInputs, widthOf(ins), widthOf(outs));
    const Scan full{int(Operation::ReadInputs), DrField(readBits)};
    // Synchronised, a read answers the snapshot the one before asked for:
    // the first only asks, and needs no more than its status. A user clock
    // as fast as TCK has crossed by the next capture; slower ones get their
    // TCK cycles in the looks again.
    QVector<Scan> scans;
    if (entry->synchronised)
        scans.append({int(Operation::ReadInputs), DrField(CoreProtocol::statusBits)});
    scans.append(full);
    if (outputs)
        scans.append({int(Operation::ReadOutputs), DrField(CoreProtocol::dataBits(Operation::ReadOutputs, 0, widthOf(outs)))});
    QVector<DrField> answers;
    Result result = run(position, scans, &answers);
    if (!result.ok())
        return result;
    DrField snapshot = answers.at(entry->synchronised ? 1 : 0);
    if (entry->synchronised) {
        // A read that found the snapshot stale asked for none: ask again.
        bool asked = CoreStatus::fromAnswer(answers.first()).fresh;
        int retries = m_retries;
        while (!(asked && CoreStatus::fromAnswer(snapshot).fresh)) {
            asked = asked || CoreStatus::fromAnswer(snapshot).fresh;
            if (retries-- == 0)
                return failure(Failure::ClockStopped, clockStopped(*entry, QStringLiteral("its snapshot never became fresh")));
            QVector<DrField> again;
            result = run(position, {{full.operation, full.data, m_cyclesEach}}, &again);
            if (!result.ok())
                return result;
            snapshot = again.first();
        }
    }
    *inputs = fieldsOf(snapshot, ins);
    if (outputs)
        *outputs = fieldsOf(answers.last(), outs);
    return {};
}

ProbeSession::Result ProbeSession::readOutputs(int position, QVector<DrField> *outputs)
{
    const ProbeMapCore *entry = core(position);
    if (!entry)
        return noCoreInMap(position);
    const QVector<const ProbeMapProbe *> outs = probesOf(*entry, QStringLiteral("out"));
    QVector<DrField> answers;
    Result result = run(position, {{int(Operation::ReadOutputs), DrField(CoreProtocol::dataBits(Operation::ReadOutputs, 0, widthOf(outs)))}}, &answers);
    if (!result.ok())
        return result;
    *outputs = fieldsOf(answers.first(), outs);
    return {};
}

ProbeSession::Result ProbeSession::write(int position, const QVector<DrField> &outputs)
{
    const ProbeMapCore *entry = core(position);
    if (!entry)
        return noCoreInMap(position);
    const QVector<const ProbeMapProbe *> outs = probesOf(*entry, QStringLiteral("out"));
    if (outputs.size() != outs.size())
        return failure(Failure::Value, QStringLiteral("core %1 has %2 output probes, not %3").arg(position).arg(outs.size()).arg(outputs.size()));
    DrField values(widthOf(outs));
    int from = 0;
    for (int i = 0; i < outs.size(); ++i) {
        if (outputs.at(i).width() != outs.at(i)->width)
            return failure(Failure::Value, QStringLiteral("probe_out%1 of core %2 is %3 bits wide, not %4")
                                               .arg(outs.at(i)->index)
                                               .arg(position)
                                               .arg(outs.at(i)->width)
                                               .arg(outputs.at(i).width()));
        values.place(from, outputs.at(i));
        from += outputs.at(i).width();
    }
    // Without a user clock the write lands at its Update-DR, its key and
    // length being right: its own answer, checked as every one is, is all
    // there is to see.
    QVector<DrField> answers;
    if (!entry->synchronised)
        return run(position, {{int(Operation::Write), CoreProtocol::writeData(position, values)}}, &answers);
    // The write, then at once a status: whether it was refused, and whether
    // it still crosses; the looks again wait for the crossing.
    const Scan status{int(Operation::Status), DrField(CoreProtocol::statusBits)};
    const Scan statusLater{status.operation, status.data, m_cyclesEach};
    Result result = run(position, {{int(Operation::Write), CoreProtocol::writeData(position, values)}, status}, &answers);
    int retries = m_retries;
    while (result.ok() && CoreStatus::fromAnswer(answers.first()).busy && CoreStatus::fromAnswer(answers.last()).refused) {
        // An earlier write was still crossing: once it has, write again.
        if (retries-- == 0)
            return failure(Failure::ClockStopped, clockStopped(*entry, QStringLiteral("an earlier write never landed")));
        result = run(position, {{int(Operation::Write), CoreProtocol::writeData(position, values), m_cyclesEach}, status}, &answers);
    }
    if (!result.ok())
        return result;
    if (CoreStatus::fromAnswer(answers.last()).refused)
        return failure(Failure::Refused, QStringLiteral("core %1 refused the write").arg(position));
    while (CoreStatus::fromAnswer(answers.last()).busy) {
        if (retries-- == 0)
            return failure(Failure::ClockStopped, clockStopped(*entry, QStringLiteral("the write never landed")));
        result = run(position, {statusLater}, &answers);
        if (!result.ok())
            return result;
    }
    return {};
}

} // namespace ZARN
