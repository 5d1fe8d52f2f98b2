#include "sound/PulseServer.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

constexpr int kWindow = Recording::kRate / 50; // 20 ms

QProcessEnvironment serverEnvironment(const QString &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", root + "/runtime");
    env.insert("HOME", root + "/home");
    env.insert("PULSE_SERVER", "unix:" + root + "/runtime/pulse/native");
    return env;
}

// Waits on the event loop, never longer than the limit.
template<typename Ready> bool waitFor(Ready ready, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!ready()) {
        if (waited.hasExpired(limitMs))
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace

PulseServer::~PulseServer()
{
    for (QProcess *p : {&m_recorder, &m_server}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(3000))
            p->kill();
        p->waitForFinished(1000);
    }
}

bool PulseServer::start(QString *why)
{
    m_clock.start();
    const QString root = m_dir.path();
    QDir().mkpath(root + "/runtime");
    QDir().mkpath(root + "/home");
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_server.setProcessEnvironment(serverEnvironment(root));
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start("pulseaudio",
                   {"-n", "--daemonize=no", "--exit-idle-time=-1",
                    "--load=module-native-protocol-unix",
                    "--load=module-null-sink sink_name=nullsink", "--load=module-always-sink"});
    const QString socket = root + "/runtime/pulse/native";
    if (!m_server.waitForStarted(5000)
        || !waitFor(
            [&] { return QFileInfo::exists(socket) || m_server.state() != QProcess::Running; },
            10000)
        || m_server.state() != QProcess::Running) {
        *why = "pulseaudio did not start: " + QString::fromLocal8Bit(m_server.readAll());
        return false;
    }
    qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    return true;
}

bool PulseServer::startRecording(QString *why)
{
    m_bytes.clear();
    m_firstDataMs = -1;
    m_recorder.setProcessEnvironment(serverEnvironment(m_dir.path()));
    QObject::connect(&m_recorder, &QProcess::readyReadStandardOutput, [this] {
        m_bytes += m_recorder.readAllStandardOutput();
        if (m_firstDataMs < 0) {
            m_firstDataMs = nowMs();
            m_firstDataBytes = m_bytes.size();
        }
    });
    m_recorder.start("parec",
                     {"-d", "nullsink.monitor", "--format=s16le",
                      QStringLiteral("--rate=%1").arg(Recording::kRate), "--channels=1", "--raw",
                      "--latency-msec=20"});
    if (!waitFor([this] { return m_firstDataMs >= 0; }, 10000)) {
        *why = "parec recorded nothing: "
            + QString::fromLocal8Bit(m_recorder.readAllStandardError());
        return false;
    }
    return true;
}

Recording PulseServer::stopRecording()
{
    m_recorder.terminate();
    m_recorder.waitForFinished(3000);
    m_bytes += m_recorder.readAllStandardOutput();
    Recording rec;
    const qsizetype count = m_bytes.size() / 2;
    rec.samples.resize(count);
    memcpy(rec.samples.data(), m_bytes.constData(), size_t(count) * 2);
    rec.startMs = m_firstDataMs - m_firstDataBytes / 2 * 1000 / Recording::kRate;
    return rec;
}

QList<int> Recording::envelope() const
{
    QList<int> env;
    for (qsizetype i = 0; i < samples.size(); i += kWindow) {
        int top = 0;
        for (qsizetype j = i; j < qMin(i + kWindow, samples.size()); ++j)
            top = qMax(top, qAbs(int(samples[j])));
        env << top;
    }
    return env;
}

int Recording::peak() const
{
    const QList<int> env = envelope();
    return env.isEmpty() ? 0 : *std::max_element(env.begin(), env.end());
}

QList<qint64> Recording::onsets(qint64 fromMs, qint64 toMs, qint64 minGapMs) const
{
    const QList<int> env = envelope();
    const int top = qMax(peak(), 1000); // a recording of silence has no onsets
    QList<qint64> found;
    for (qsizetype i = 0; i < env.size(); ++i) {
        const qint64 at = startMs + i * 20;
        if (at < fromMs || at >= toMs || env[i] * 10 < top * 3
            || (!found.isEmpty() && at - found.last() < minGapMs))
            continue;
        bool quietBefore = false;
        for (qsizetype j = qMax<qsizetype>(0, i - 10); j < i; ++j)
            quietBefore = quietBefore || env[j] * 20 < top;
        if (quietBefore)
            found << at;
    }
    return found;
}

bool Recording::quiet(qint64 fromMs, qint64 toMs) const
{
    const QList<int> env = envelope();
    const int top = qMax(peak(), 1000);
    for (qsizetype i = 0; i < env.size(); ++i) {
        const qint64 at = startMs + i * 20;
        if (at >= fromMs && at < toMs && env[i] * 20 >= top)
            return false;
    }
    return true;
}

QString Recording::twoWordsApart(qint64 fromMs, qint64 toMs, qint64 gapMs) const
{
    // A soft first consonant blurs where the second word begins, so the pause is looked for
    // anywhere between the two starts.
    const QList<qint64> starts = onsets(fromMs, toMs);
    bool paused = false;
    for (qint64 at = starts.value(0); starts.size() >= 2 && at + 150 <= starts[1]; at += 20)
        paused = paused || quiet(at, at + 150);
    if (starts.size() >= 2 && qAbs(starts[1] - starts[0] - gapMs) <= 250 && paused)
        return {};
    return QStringLiteral("starts %1 ms, heard %2")
        .arg(starts.size() >= 2 ? QString::number(starts[1] - starts[0]) : QStringLiteral("-"),
             timeline(fromMs, toMs));
}

QString Recording::timeline(qint64 fromMs, qint64 toMs) const
{
    QString line;
    for (qint64 at = fromMs; at < toMs; at += 100)
        line += quiet(at, at + 100) ? u'.' : u'#';
    return line;
}
