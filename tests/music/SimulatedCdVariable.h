#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets (or, given nullptr, clears) ORVANE_SIMULATED_CD for one test and puts the old value
// back, so the drive the program would choose is known whatever the machine has.
class SimulatedCdVariable
{
public:
    explicit SimulatedCdVariable(const char *value)
        : m_wasSet(qEnvironmentVariableIsSet(kName))
        , m_old(qgetenv(kName))
    {
        if (value)
            qputenv(kName, value);
        else
            qunsetenv(kName);
    }
    ~SimulatedCdVariable()
    {
        if (m_wasSet)
            qputenv(kName, m_old);
        else
            qunsetenv(kName);
    }
    SimulatedCdVariable(const SimulatedCdVariable &) = delete;
    SimulatedCdVariable &operator=(const SimulatedCdVariable &) = delete;

private:
    static constexpr const char *kName = "ORVANE_SIMULATED_CD";
    bool m_wasSet;
    QByteArray m_old;
};
