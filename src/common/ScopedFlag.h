#pragma once

// Holds a flag at a value for the length of a scope and puts the opposite back on every way
// out, a throw included, so a mode can never outlive the work that needed it.
class ScopedFlag
{
public:
    explicit ScopedFlag(bool &flag, bool during = true)
        : m_flag(flag)
        , m_after(!during)
    {
        m_flag = during;
    }
    ~ScopedFlag() { m_flag = m_after; }
    ScopedFlag(const ScopedFlag &) = delete;
    ScopedFlag &operator=(const ScopedFlag &) = delete;

private:
    bool &m_flag;
    bool m_after;
};
