#pragma once

// Whole percents of a transfer; tells whether a step changed the percentage.
class UploadProgress
{
public:
    void setTotal(int total) { m_total = total; }
    bool setCurrent(int current)
    {
        const int before = percent();
        m_current = current;
        return percent() != before;
    }
    // 0..100; total must not be 0.
    int percent() const
    {
        if (m_total == 0)
            return 0;
        const long long p = static_cast<long long>(m_current) * 100 / m_total;
        return p < 0 ? 0 : p > 100 ? 100 : static_cast<int>(p);
    }

private:
    int m_current = 0;
    int m_total = 0;
};
