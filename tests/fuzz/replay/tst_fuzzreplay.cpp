#include <QDirIterator>
#include <QTest>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// One fuzz target, run once on each seed of its corpus and each input that
// once made it fail.
class TestFuzzReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LLVMFuzzerInitialize(nullptr, nullptr); }

    void replay_data()
    {
        QTest::addColumn<QByteArray>("input");
        for (const char *kind : {"corpus", "regressions"}) {
            for (QDirIterator files(QStringLiteral(ZARN_FUZZ_DIR "/%1/" ZARN_FUZZ_TARGET).arg(QLatin1String(kind)), QDir::Files); files.hasNext();) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                QTest::addRow("%s/%s", kind, qPrintable(files.fileName())) << file.readAll();
            }
        }
    }

    void replay()
    {
        QFETCH(QByteArray, input);
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzReplay)

#include "tst_fuzzreplay.moc"
