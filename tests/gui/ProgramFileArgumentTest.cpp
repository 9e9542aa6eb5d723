// A program file named on the command line, opened through the real window
// once it is up, as File > Open opens the file it is given (what a bad file
// or a missing one gives is the file commands' tests' part).
#include "SessionFixture.h"
#include "mainwindow/views/SoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeb;
using namespace zeb::test;

class ProgramFileArgumentTest : public QObject, SessionFixture {
    Q_OBJECT

    QTemporaryDir dir;

    QString writeFile(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        f.write(bytes);
        return path;
    }
  private slots:
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    void aGoodFileIsLoadedAndRememberedForSave() {
        const QString path = writeFile("COUNT.ZEB", " 0|  1| 11|\r\n 1|  9| 10|\r\n11|   |  9|\r\n"
                                                    "# RUN LOG:\r\n");
        // Named relative to the working folder, as on a command line.
        QDir::setCurrent(dir.path());
        s->openProgramFile(QStringLiteral("COUNT.ZEB"));
        QVERIFY2(messages.empty(), messages.empty() ? "" : messages[0].c_str());
        QCOMPARE(text("Operator", 1), QStringLiteral("9"));
        QCOMPARE(text("Operand", 11), QStringLiteral("9"));
        QCOMPARE(QString::fromStdString(s->zeb().machine().view().currentFileName()),
                 QFileInfo(path).absoluteFilePath());
        QVERIFY(mainWindow().action(QStringLiteral("MnuSave"))->isEnabled());
    }

    void dataFilesAreFoundBesideTheProgramOrInAnInstalledShare() {
        // An installed layout: bin/zeb and share/zeb/step.wav.
        QDir(dir.path()).mkpath(QStringLiteral("bin"));
        QDir(dir.path()).mkpath(QStringLiteral("share/zeb"));
        writeFile("share/zeb/step.wav", "RIFF");
        writeFile("bin/honk.wav", "RIFF");
        const QString bin = dir.filePath(QStringLiteral("bin"));
        views::SoundPlayer sounds({bin, bin + QStringLiteral("/../share/zeb")});
        QCOMPARE(sounds.locate(QStringLiteral("step.wav")),
                 QDir::cleanPath(dir.filePath(QStringLiteral("share/zeb/step.wav"))));
        QCOMPARE(sounds.locate(QStringLiteral("honk.wav")),
                 dir.filePath(QStringLiteral("bin/honk.wav")));
        QCOMPARE(sounds.locate(QStringLiteral("none.wav")), QString());
    }
};

QTEST_MAIN(ProgramFileArgumentTest)
#include "ProgramFileArgumentTest.moc"
