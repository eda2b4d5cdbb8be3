#ifndef ZARN_TESTS_TOPMODULEDESIGNS_H
#define ZARN_TESTS_TOPMODULEDESIGNS_H

// The designs of tests/data/top/*.design, which the golden-file suite and the
// Verilog-tool suite share.  One item a line, blank-separated, "#" comments:
//
//   variant standalone|analyzer|lite
//   core [CLOCK [sync]]     a new core; "sync": outputs synchronised to CLOCK
//   in INDEX NET...         nets of the last core's input probe INDEX
//   out INDEX NET...        the same for an output probe
//   ao CLOCK NET...         a full analyzer core: sample clock, data nets
//   trig[-] NUMBER NET...   a trigger port of the last analyzer ("-": disabled)
//   lite CLOCK NET...       a lite analyzer core
//
// A NET is a name, or BUS=BIT,BIT,... for a bus; "~" stands for an empty name.

#include "external/qelutils.h"
#include "generate/topmodulewriters.h"

#include <zarn/zarncore.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

struct TopDesign
{
    QString variant;
    QList<ZARN::ZarnCore *> cores;
    QList<QEL::AoCore *> analyzers;
    QList<QEL::AOCore_Lite *> lites;

    TopDesign() = default;
    TopDesign(const TopDesign &) = delete;
    TopDesign &operator=(const TopDesign &) = delete;
    ~TopDesign()
    {
        qDeleteAll(cores);
        qDeleteAll(analyzers);
        qDeleteAll(lites);
    }

    QString topFileName() const
    {
        return variant == QLatin1String("standalone") ? QStringLiteral("xq_zarn_top.v") : QStringLiteral("xq_qel_zarn_top.v");
    }

    QString topModuleName() const
    {
        return variant == QLatin1String("standalone") ? QStringLiteral("xq_zarn") : QStringLiteral("xq_qel_zarn");
    }

    bool write(const QString &outputDir) const
    {
        ZARN::ZarnArg arg;
        arg.outputDir = outputDir;
        if (variant == QLatin1String("analyzer"))
            return ZARN::writeAnalyzerTopModule(arg, cores, analyzers);
        if (variant == QLatin1String("lite"))
            return ZARN::writeLiteAnalyzerTopModule(arg, cores, lites);
        return ZARN::writeTopModule(arg, cores);
    }

    static QString name(const QString &token) { return token == QLatin1String("~") ? QString() : token; }

    static QStringList names(const QStringList &tokens)
    {
        QStringList result;
        for (const QString &token : tokens)
            result.append(name(token));
        return result;
    }

    static QList<ZARN::SignalItem> signalNet(const QStringList &tokens)
    {
        QList<ZARN::SignalItem> net;
        for (const QString &token : tokens) {
            const int equals = token.indexOf(QLatin1Char('='));
            if (equals < 0) {
                net.append(ZARN::SignalItem(name(token)));
                continue;
            }
            QList<ZARN::SignalItem> bits;
            for (const QString &bit : token.mid(equals + 1).split(QLatin1Char(',')))
                bits.append(ZARN::SignalItem(name(bit)));
            net.append(ZARN::SignalItem(token.left(equals), bits));
        }
        return net;
    }

    bool read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        QTextStream in(&file);
        while (!in.atEnd()) {
            QStringList tokens = in.readLine().section(QLatin1Char('#'), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (tokens.isEmpty())
                continue;
            const QString item = tokens.takeFirst();
            const QString first = tokens.value(0);
            const QStringList rest = tokens.mid(1);
            if (item == QLatin1String("variant")) {
                variant = first;
            } else if (item == QLatin1String("core")) {
                cores.append(new ZARN::ZarnCore(9 - cores.size())); // the own index is never written
                cores.last()->setUserClockName(name(first));
                cores.last()->setOutProbeSynwithUserClock(tokens.value(1) == QLatin1String("sync"));
            } else if (item == QLatin1String("in")) {
                if (!cores.last()->getProbeIn(first.toInt()))
                    cores.last()->addProbeIn(first.toInt());
                cores.last()->getProbeIn(first.toInt())->setSignalNet(signalNet(rest));
            } else if (item == QLatin1String("out")) {
                if (!cores.last()->getProbeOut(first.toInt()))
                    cores.last()->addProbeOut(first.toInt());
                cores.last()->getProbeOut(first.toInt())->setSignalNet(signalNet(rest));
            } else if (item == QLatin1String("ao")) {
                analyzers.append(new QEL::AoCore(names(rest), name(first)));
            } else if (item.startsWith(QLatin1String("trig"))) {
                analyzers.last()->addTriggerPort(new QEL::TriggerPort(first.toInt(), names(rest), item == QLatin1String("trig")));
            } else if (item == QLatin1String("lite")) {
                lites.append(new QEL::AOCore_Lite(names(rest), name(first)));
            } else {
                return false;
            }
        }
        return !variant.isEmpty();
    }
};

inline QString topDesignDir()
{
    return QStringLiteral(ZARN_TEST_DATA_DIR "/top");
}

/** The base names of the designs, which also name their golden files. */
inline QStringList topDesignNames()
{
    QStringList result;
    const QStringList files = QDir(topDesignDir()).entryList({QStringLiteral("*.design")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        result.append(file.chopped(7));
    return result;
}

#endif
