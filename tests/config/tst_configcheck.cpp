#include <zarn/configcheck.h>
#include <zarn/configlint.h>
#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "messagecapture.h"
#include "testdata.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace ZARN;

namespace {

const QString dataDir = QStringLiteral(ZARN_TEST_DATA_DIR "/config/");

// A parser that recursed per element would overflow a 1 MiB stack long
// before the deepest document's million levels.
bool checkOnSmallStack(const QString &path)
{
    bool passes = true;
    QScopedPointer<QThread> thread(QThread::create([&] { passes = checkZARNFile(path); }));
    thread->setStackSize(1024 * 1024);
    thread->start();
    thread->wait();
    return passes;
}

} // namespace

class TestConfigCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<bool>("readerOk");
        QTest::addColumn<int>("readerCores");
        QTest::addColumn<QString>("lint");
        QTest::addColumn<QString>("readerError");

        QFile answers(dataDir + QLatin1String("check/answers.txt"));
        QVERIFY(answers.open(QIODevice::ReadOnly));
        while (!answers.atEnd()) {
            const QStringList fields = QString::fromUtf8(answers.readLine()).simplified().split(QLatin1Char(' '));
            if (fields.size() >= 5 && !fields[0].startsWith(QLatin1Char('#')))
                QTest::newRow(qPrintable(fields[0])) << dataDir + fields[0] << (fields[1] == QLatin1String("true"))
                                                     << (fields[2] == QLatin1String("true")) << fields[3].toInt() << fields[4]
                                                     << fields.mid(5).join(QLatin1Char(' '));
        }
        for (const QString &path : {m_dir.filePath(QStringLiteral("missing.xml")), m_dir.path()})
            QTest::newRow(qPrintable(path)) << path << false << false << 0 << QStringLiteral("!xml") << path + QLatin1String(" open file failed.");
        for (int depth : {255, 1000000}) {
            const QString nested = writeFile(m_dir.filePath(QStringLiteral("nested%1.xml").arg(depth)),
                                             "<r>" + QByteArray("<d>").repeated(depth) + QByteArray("</d>").repeated(depth) + "</r>");
            QTest::addRow("nested %d levels", depth + 1) << nested << (depth < 256) << false << 0
                                                         << QString::fromLatin1(depth < 256 ? "!version,element-unknown,root-name" : "!xml")
                                                         << (depth < 256 ? QStringLiteral("Unknown Zarn version.")
                                                                         : QStringLiteral("Elements are nested deeper than 256 levels at 1:771"));
        }
    }

    void documents()
    {
        QFETCH(QString, path);
        QFETCH(bool, passes);
        QFETCH(bool, readerOk);
        QFETCH(int, readerCores);
        QFETCH(QString, lint);
        QFETCH(QString, readerError);
        {
            MessageCapture capture;
            QCOMPARE(checkOnSmallStack(path), passes);
            // The same answer with its reason: the reader's own message
            // for a malformed file.
            QString why;
            ConfigCheckFailure failure = ConfigCheckFailure::Empty;
            QCOMPARE(checkZARNFile(path, &why, &failure), passes);
            QCOMPARE(failure == ConfigCheckFailure::None, passes);
            QCOMPARE(why.isEmpty(), passes);
            if (failure == ConfigCheckFailure::NotWellFormed)
                QCOMPARE(why, readerError);
            QCOMPARE(capture.taken(), QList<CapturedMessage>());
        }
        bool ok = !readerOk;
        QString error;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(path, &ok, &error);
        QCOMPARE(ok, readerOk);
        QCOMPARE(cores.size(), readerCores);
        QCOMPARE(error, readerError);

        // The lint of the file, and of the file with the cores read already.
        const auto codesOf = [](const QList<LintFinding> &findings) {
            QStringList codes;
            for (const LintFinding &finding : findings)
                codes.append(QLatin1String(finding.severity == LintFinding::Error ? "!" : "") + finding.code);
            codes.removeDuplicates();
            codes.sort();
            return codes.isEmpty() ? QStringLiteral("-") : codes.join(QLatin1Char(','));
        };
        QCOMPARE(codesOf(lintConfigFile(path)), lint);
        if (ok)
            QCOMPARE(codesOf(lintConfigFile(path, cores)), lint);
        qDeleteAll(cores);
        // The lint fails whatever the check fails or a generation could not use.
        if (!passes || !readerOk || readerCores == 0)
            QVERIFY(lint.startsWith(QLatin1Char('!')));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestConfigCheck)

#include "tst_configcheck.moc"
