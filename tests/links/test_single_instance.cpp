#include "links/single_instance.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/file.h>

#include <sys/stat.h>
#include <utime.h>

using namespace tivora;

namespace {

// Another copy of the program, running in its own process.
class OtherCopy final {
public:
    explicit OtherCopy(const QString& lockPath = QString()) {
        QStringList args;
        if (!lockPath.isEmpty())
            args << lockPath;
        process_.start(QStringLiteral(TIVORA_LOCK_HOLDER), args);
    }
    ~OtherCopy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // The first line it printed: "running" or "refused".
    QString verdict() {
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    QStringList rest() {
        process_.waitForFinished(10000);
        return QString::fromUtf8(process_.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    // Lets go of the lock the normal way.
    int finish() {
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
        return process_.exitCode();
    }
    // As a crash would: no chance to remove the lock file.
    void killHard() {
        process_.kill(); // SIGKILL
        QVERIFY(process_.waitForFinished(10000));
        QCOMPARE(process_.exitStatus(), QProcess::CrashExit);
    }
    QProcess& process() { return process_; }

private:
    QProcess process_;
};

void AgeFile(const QString& path, int seconds) {
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    const struct utimbuf times { info.st_atime - seconds, info.st_mtime - seconds };
    QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString lockPath() const { return dir_.filePath("tivora.lock"); }

private slots:
    void init() { QFile::remove(lockPath()); }

    void lockLivesInTheRuntimeFolder() {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(!runtime.isEmpty());
        QCOMPARE(QFileInfo(SingleInstanceGuard::DefaultLockPath()).absolutePath(),
                 QFileInfo(runtime).absoluteFilePath());
    }

    void secondCopyIsRefusedWhileTheFirstRuns() {
        OtherCopy first(lockPath());
        QCOMPARE(first.verdict(), QStringLiteral("running"));

        SingleInstanceGuard guard(lockPath());
        QVERIFY(!guard.tryAcquire());
        QVERIFY(!guard.isHeld());
        test::FakePlatform platform;
        QVERIFY(RefuseSecondInstance(platform, guard));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Tivora"));
        QCOMPARE(platform.messages[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);

        // The first copy is not disturbed and still holds its lock.
        QCOMPARE(first.process().state(), QProcess::Running);
        QVERIFY(QFile::exists(lockPath()));
        QVERIFY(!guard.tryAcquire());

        // Once it ends normally the next start runs, without a message.
        QCOMPARE(first.finish(), 0);
        platform.clear();
        QVERIFY(!RefuseSecondInstance(platform, guard));
        QVERIFY(guard.isHeld());
        QVERIFY(platform.messages.isEmpty());
    }

    void otherProcessIsRefusedWhileWeRun() {
        SingleInstanceGuard guard(lockPath());
        test::FakePlatform platform;
        QVERIFY(!RefuseSecondInstance(platform, guard));
        QVERIFY(platform.messages.isEmpty());
        // Asking again keeps the lock rather than failing on ourselves.
        QVERIFY(guard.tryAcquire());

        OtherCopy second(lockPath());
        QCOMPARE(second.verdict(), QStringLiteral("refused"));
        QCOMPARE(second.rest(), QStringList{"message:Application is already running:0:0"});
        QCOMPARE(second.process().exitCode(), 3);
        QVERIFY(guard.isHeld());
    }

    void lockOfACrashedCopyIsTakenOver() {
        OtherCopy crashed(lockPath());
        QCOMPARE(crashed.verdict(), QStringLiteral("running"));
        crashed.killHard();
        QVERIFY(QFile::exists(lockPath())); // left behind by the crash

        SingleInstanceGuard guard(lockPath());
        test::FakePlatform platform;
        QVERIFY(!RefuseSecondInstance(platform, guard));
        QVERIFY(guard.isHeld());
        QVERIFY(platform.messages.isEmpty());

        // And another process sees the lock as ours now.
        OtherCopy third(lockPath());
        QCOMPARE(third.verdict(), QStringLiteral("refused"));
    }

    // An empty or garbled lock, as a crash while writing it or a full disk
    // leaves, is stale once it is a few seconds old; a fresh one may be a
    // copy starting this moment.
    void abandonedLockIsTakenOver() {
        for (const QByteArray& contents :
             {QByteArray(), QByteArray("garbage\n\x01\xff"), QByteArray("\n\n\n")}) {
            QFile::remove(lockPath());
            QFile file(lockPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
            file.close();
            {
                SingleInstanceGuard guard(lockPath());
                QVERIFY(!guard.tryAcquire());
            }
            AgeFile(lockPath(), 10);
            SingleInstanceGuard guard(lockPath());
            test::FakePlatform platform;
            QVERIFY(!RefuseSecondInstance(platform, guard));
            QVERIFY(guard.isHeld());
            QVERIFY(platform.messages.isEmpty());
            // Held properly now: another process is refused.
            OtherCopy second(lockPath());
            QCOMPARE(second.verdict(), QStringLiteral("refused"));
        }
    }

    // A copy that has made its lock but not yet written it holds the file's
    // advisory lock: the file is left alone however old it looks.
    void lockBeingWrittenIsLeftAlone() {
        QFile file(lockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        AgeFile(lockPath(), 10);
        QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);
        {
            SingleInstanceGuard guard(lockPath());
            QVERIFY(!guard.tryAcquire());
            QVERIFY(QFile::exists(lockPath()));
        }
        ::flock(file.handle(), LOCK_UN);
        SingleInstanceGuard guard(lockPath());
        QVERIFY(guard.tryAcquire());
    }

    void longRunningCopyKeepsItsLock() {
        OtherCopy first(lockPath());
        QCOMPARE(first.verdict(), QStringLiteral("running"));
        // A copy running for a day must not look stale.
        AgeFile(lockPath(), 24 * 3600);
        SingleInstanceGuard guard(lockPath());
        QVERIFY(!guard.tryAcquire());
    }

    void defaultLocationIsShared() {
        // Both processes find the lock by themselves, as two real starts do.
        SingleInstanceGuard guard;
        QVERIFY(guard.tryAcquire());
        OtherCopy second;
        QCOMPARE(second.verdict(), QStringLiteral("refused"));
    }

    void unusableLockFolderDoesNotBlockTheStart() {
        SingleInstanceGuard guard(dir_.filePath("no-such-folder/tivora.lock"));
        test::FakePlatform platform;
        QVERIFY(!RefuseSecondInstance(platform, guard));
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
