#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

// What the silent output played, 8000 samples a second, placed on the test's own clock.
struct Recording
{
    static constexpr int kRate = 8000;
    QList<qint16> samples;
    qint64 startMs = 0; // the test clock's reading at the first sample

    // Times (test clock, ms) at which a sound starts: a window reaching 30 % of the loudest
    // after one under 5 % within the 200 ms before it, at least minGapMs after the last start
    // (a sound with a dip in it, or broken by a starved machine, is still one sound).
    QList<qint64> onsets(qint64 fromMs, qint64 toMs, qint64 minGapMs = 400) const;
    // True when nothing above 5 % of the loudest sounds in [fromMs, toMs).
    bool quiet(qint64 fromMs, qint64 toMs) const;
    // Empty when the first two sounds in [fromMs, toMs) start gapMs (within 250 ms) apart with
    // a pause between them; otherwise what was heard, for the failure message.
    QString twoWordsApart(qint64 fromMs, qint64 toMs, qint64 gapMs) const;
    // Loudness in 100-ms steps from fromMs, '#' loud and '.' quiet, for failure messages.
    QString timeline(qint64 fromMs, qint64 toMs) const;

private:
    QList<int> envelope() const; // peak of each 20-ms window
    int peak() const;
};

// A private sound server (its own runtime folder, one null output, no system instance)
// whose output a test records. The test program's own sound calls reach it through
// PULSE_SERVER, which start() sets before anything in the program opens a sound stream.
class PulseServer
{
public:
    ~PulseServer();

    bool start(QString *why);
    bool startRecording(QString *why);
    Recording stopRecording();
    qint64 nowMs() const { return m_clock.elapsed(); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_recorder;
    QByteArray m_bytes;
    qint64 m_firstDataMs = -1;
    qint64 m_firstDataBytes = 0;
    QElapsedTimer m_clock;
};
