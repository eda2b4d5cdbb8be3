#include <QDirIterator>
#include <QTest>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

class TestFuzzReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LLVMFuzzerInitialize(nullptr, nullptr); }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &kind : {QStringLiteral("corpus"), QStringLiteral("regressions")}) {
            QDirIterator files(QStringLiteral(ZARN_FUZZ_DIR "/%1/" ZARN_FUZZ_TARGET).arg(kind), QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                QTest::newRow(qPrintable(kind + QLatin1Char('/') + files.fileName())) << path;
            }
        }
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReplay)

#include "tst_fuzzreplay.moc"
