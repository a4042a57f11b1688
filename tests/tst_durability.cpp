#include "TestDatabase.h"

#include <QProcess>

// A program killed in the middle of a run of posts leaves an intact file
// that holds every post it acknowledged.
class DurabilityTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLosesNothingAcknowledged()
    {
        TestDatabase store;
        QProcess writer;
        writer.start(QStringLiteral(POSTING_CHILD), {store.path()});
        QVERIFY(writer.waitForStarted());
        int acknowledged = 0;
        QByteArray pending;
        while (acknowledged < 150 && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(5000);
            pending += writer.readAllStandardOutput();
            int newline;
            while ((newline = pending.indexOf('\n')) >= 0) {
                const QByteArray line = pending.left(newline);
                pending.remove(0, newline + 1);
                if (line.startsWith("posted "))
                    acknowledged = line.mid(7).toInt();
            }
        }
        writer.kill();
        writer.waitForFinished();
        QVERIFY2(acknowledged >= 150, qPrintable(writer.readAllStandardError()));

        QCOMPARE(store.rows(QStringLiteral("PRAGMA integrity_check")), QStringList({"ok"}));
        const QStringList codes = store.rows(QStringLiteral("SELECT Code FROM Phone ORDER BY Row"));
        QVERIFY2(codes.size() >= acknowledged && codes.size() <= acknowledged + 1,
                 qPrintable(QStringLiteral("%1 rows, %2 acknowledged").arg(codes.size()).arg(acknowledged)));
        for (int i = 1; i <= acknowledged; ++i)
            QCOMPARE(codes[i - 1], QString::number(i));
    }
};

QTEST_GUILESS_MAIN(DurabilityTest)
#include "tst_durability.moc"
