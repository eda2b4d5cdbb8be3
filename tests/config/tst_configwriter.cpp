#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "filesystemfaults.h"
#include "messagecapture.h"
#include "testdata.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ZARN;
using namespace FileSystemFaults;

namespace {

// Owns the cores a test writes.
struct Cores
{
    QList<ZarnCore *> list;
    ~Cores() { qDeleteAll(list); }
};

// A text of the writer's table, where "\uXXXX" is that UTF-16 unit (a lone
// surrogate too) and a whole "c*N" is N times the character c.
QString unescaped(QString text)
{
    static const QRegularExpression repeated(QStringLiteral("^(.)\\*(\\d+)$"));
    const QRegularExpressionMatch match = repeated.match(text);
    if (match.hasMatch())
        return QString(match.captured(2).toInt(), match.captured(1).at(0));
    for (qsizetype at; (at = text.indexOf(QLatin1String("\\u"))) >= 0;)
        text.replace(at, 6, QChar(text.mid(at + 2, 4).toUShort(nullptr, 16)));
    return text;
}

} // namespace

class TestConfigWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapes()
    {
        // Cores without a probe 0, repeated indexes, empty texts, and a bit with
        // bits of its own, which the format does not keep.  (The documents the
        // reader's tests read are written back unchanged by the round-trip test.)
        Cores cores;
        auto *first = new ZarnCore(-3);
        first->setOutProbeSynwithUserClock(true);
        delete first->getProbeIn(0);
        first->removeProbeIn(0);
        delete first->getProbeOut(0);
        first->removeProbeOut(0);
        first->addProbeOut(2);
        first->addProbeOut(2);
        const SignalItem deepBit(QStringLiteral("b0"), {SignalItem(QStringLiteral("deep"))});
        first->getProbeOut(2)->setSignalNet(
            {SignalItem(QString()), SignalItem(QStringLiteral("lonely")), SignalItem(QStringLiteral("b"), {deepBit, SignalItem(QStringLiteral("b1"))})});
        first->getProbeOut(2)->setValue(QString());
        first->getAllProbeOuts().at(1)->setValue(QStringLiteral("0x1F"));
        auto *second = new ZarnCore(4);
        second->setModuleName(QStringLiteral("m"));
        second->setUserClockName(QStringLiteral("c"));
        delete second->getProbeOut(0);
        second->removeProbeOut(0);
        cores.list << first << second;

        // A longer previous file is replaced whole, and no temporary file stays.
        QTemporaryDir dir;
        const QString previous = writeFile(dir.filePath(QStringLiteral("config.xml")), QByteArray(10000, 'x'));
        MessageCapture capture;
        QVERIFY(writeZARNConfigToXml(cores.list, previous));
        QCOMPARE(capture.taken(), QList<CapturedMessage>());
        QCOMPARE(tree(dir.path()), QStringList{QStringLiteral("config.xml: ") + QString::fromUtf8(fileBytes(testData(QStringLiteral("config/shapes.xml"))))});
    }

    void failedSaveChangesNothing_data() { addRowsFromTable(QStringLiteral("config/writer/failures.txt"), {"case", "target", "fault", "field", "text", "copies"}); }

    void failedSaveChangesNothing()
    {
        const QString target = field("target");
        const QString fault = field("fault");
        QTemporaryDir dir;
        Cores cores;
        cores.list << new ZarnCore(0);
        QVERIFY(writeZARNConfigToXml(cores.list, dir.filePath(QStringLiteral("config.xml"))));

        const auto pick = [&](const char *name, const char *otherwise) {
            return field("field") == QLatin1String(name) ? unescaped(field("text")) : QString::fromLatin1(otherwise);
        };
        ZarnCore *core = cores.list.first();
        core->setModuleName(pick("module", "top"));
        core->setUserClockName(pick("clock", "clk"));
        const QList<SignalItem> net = QVector<SignalItem>(field("copies").toInt(), SignalItem(pick("signal", "s"))).toList();
        core->getProbeOut(0)->setSignalNet(net + QList<SignalItem>{SignalItem(pick("bus", "b"), {SignalItem(pick("bit", "b0"))})});
        core->getProbeOut(0)->setValue(pick("value", "0x0"));

        // The read-only directory stays root's; the file in it is nobody's.
        giveToNobody(dir.path());
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), fault == QLatin1String("read-only directory") ? 0555 : 0777), 0);
        const QStringList before = tree(dir.path());
        const int result = runAsNobody([&] {
            if (fault == QLatin1String("file-size limit")) {
                const rlimit limit{4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limit);
                signal(SIGXFSZ, SIG_IGN);
            }
            MessageCapture capture;
            return writeZARNConfigToXml(cores.list, dir.filePath(target)) ? 2 : capture.taken().isEmpty() ? 1 : 3;
        });
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        QCOMPARE(result, 1);
        QCOMPARE(tree(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestConfigWriter)

#include "tst_configwriter.moc"
