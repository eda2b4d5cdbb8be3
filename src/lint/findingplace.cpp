#include <zarn/configlint.h>

namespace ZARN {

FindingPlace FindingPlace::of(const LintFinding &finding)
{
    return FindingPlace{finding.corePosition, finding.coreIndex, finding.probeKind, finding.probeIndex, finding.net};
}

FindingPlace FindingPlace::of(const ConnectedNet &net)
{
    return FindingPlace{net.corePosition, net.coreIndex, net.probeKind, net.probeIndex, net.net};
}

void FindingPlace::placeIn(LintFinding *finding) const
{
    finding->corePosition = corePosition;
    finding->coreIndex = coreIndex;
    finding->probeKind = probeKind;
    finding->probeIndex = probeIndex;
    finding->net = net;
}

QString FindingPlace::key() const
{
    return QString::number(corePosition) + QLatin1Char('/') + probeKind + QLatin1Char('/') + QString::number(probeIndex) + QLatin1Char('/') + net;
}

QString FindingPlace::description(bool withNet) const
{
    const bool analyzer = probeKind == QLatin1String("analyzer");
    QStringList parts;
    if (analyzer && probeIndex >= 0)
        parts.append(QStringLiteral("analyzer core %1").arg(probeIndex));
    if (corePosition >= 0)
        parts.append(QStringLiteral("core %1 (index %2)").arg(corePosition).arg(coreIndex));
    if (probeKind == QLatin1String("clock"))
        parts.append(QStringLiteral("user clock"));
    else if (!analyzer && !probeKind.isEmpty())
        parts.append(probeIndex >= 0 ? QStringLiteral("probe_%1 %2").arg(probeKind).arg(probeIndex) : QStringLiteral("probe_%1").arg(probeKind));
    if (withNet)
        parts.append(QStringLiteral("net \"%1\"").arg(net));
    return parts.join(QLatin1String(", "));
}

} // namespace ZARN
