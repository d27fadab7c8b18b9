// Real sound: the window with its real cue player, heard through the null sink's monitor.
// Run by with-pulse.sh, which provides a private sound server.

#include "fakes.h"
#include "sound/qt_cue_player.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cmath>

namespace {
constexpr int rate = 22050;
constexpr double threshold = 0.01; // -40 dBFS

// Listens to the null sink and keeps, for every block that arrives, when it came and its peak.
struct Recorder {
    QProcess parec;
    QElapsedTimer clock;
    std::vector<std::pair<qint64, double>> blocks;

    Recorder()
    {
        clock.start();
        QObject::connect(&parec, &QProcess::readyReadStandardOutput, [this] {
            const QByteArray data = parec.readAllStandardOutput();
            const auto* samples = reinterpret_cast<const qint16*>(data.constData());
            double peak = 0;
            for (qsizetype i = 0; i < data.size() / 2; ++i)
                peak = std::max(peak, std::abs(samples[i]) / 32768.0);
            blocks.emplace_back(clock.elapsed(), peak);
        });
        parec.start("parec", {"-d", "gridora_null.monitor", "--format=s16le", "--channels=1",
                              QString("--rate=%1").arg(rate), "--latency-msec=5"});
    }
    ~Recorder()
    {
        parec.kill();
        parec.waitForFinished();
    }
    // Time of the first loud block from `since` on, or -1 when none came within `timeout` ms.
    qint64 onset(qint64 since, int timeout)
    {
        while (clock.elapsed() <= since + timeout) {
            for (auto [time, peak] : blocks)
                if (time >= since && peak > threshold)
                    return time;
            QTest::qWait(2);
        }
        return -1;
    }
    // Waits until `quiet` ms of blocks have been silent; returns when the sound stopped.
    qint64 silence(int quiet = 120)
    {
        while (clock.elapsed() < 20000) {
            QTest::qWait(10);
            qint64 lastLoud = 0;
            for (auto [time, peak] : blocks)
                if (peak > threshold)
                    lastLoud = time;
            if (clock.elapsed() - lastLoud > quiet && !blocks.empty())
                return lastLoud;
        }
        return -1;
    }
};

// How long the cue stays above the threshold, from its own samples.
double loudSeconds(int id)
{
    QFile file(QString(":/cues/%1.wav").arg(id));
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll().mid(44);
    const auto* samples = reinterpret_cast<const qint16*>(data.constData());
    qsizetype first = -1, last = 0;
    for (qsizetype i = 0; i < data.size() / 2; ++i) {
        if (std::abs(samples[i]) / 32768.0 > threshold) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return double(last - first) / rate;
}
} // namespace

class Sound : public QObject {
    Q_OBJECT
private slots:
    void eachClickIsHeardPromptlyAsItsOwnCue()
    {
        applyLook();
        Recorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.blocks.empty(), 5000);

        QTemporaryDir dir;
        QtCuePlayer player;
        MainWindow window([] { return 0.5; });
        std::ostringstream errors;
        Form1 form(window, player, {dir.path().toStdString()}, errors);
        player.onError = [&form](const std::string& what) { form.reportCueFailure(what); };
        window.attach(form);
        window.show();

        const std::pair<const char*, int> clicks[] = {
            {"Option5", 104}, {"Option6", 102}, {"Option7", 103}, {"Option2", 105}, {"Option1", 107},
            {"Option4", 106}, {"Option3", 108}, {"Check1", 109},  {"Command1", 101}};
        for (auto [control, id] : clicks) {
            recorder.silence();
            const qint64 clicked = recorder.clock.elapsed();
            QTest::mouseClick(window.findChild<QWidget*>(control), Qt::LeftButton);
            const qint64 heard = recorder.onset(clicked, 1000);
            QVERIFY2(heard >= 0, control);
            const qint64 ended = recorder.silence();
            qInfo("cue %d (%s): heard %lld ms after the click, for %lld ms (its own: %.0f ms)", id,
                  control, heard - clicked, ended - heard, loudSeconds(id) * 1000);
            QVERIFY2(heard - clicked < 200, control);
            QVERIFY2(std::abs((ended - heard) / 1000.0 - loudSeconds(id)) < 0.06, control);
        }

        // A new click cuts off the cue still playing: what follows it is the new cue alone.
        recorder.silence();
        QTest::mouseClick(window.findChild<QWidget*>("Option7"), Qt::LeftButton);
        QTest::qWait(100);
        const qint64 second = recorder.clock.elapsed();
        QTest::mouseClick(window.findChild<QWidget*>("Option5"), Qt::LeftButton);
        const qint64 after = recorder.silence() - second;
        QVERIFY2(std::abs(after / 1000.0 - loudSeconds(104)) < 0.08, qPrintable(QString::number(after)));

        QCOMPARE(errors.str(), std::string());
        const QString file = QString::fromStdString(form.wavfile);
        QVERIFY(QFile::exists(file));
        window.close();
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(Sound)
#include "test_sound.moc"
